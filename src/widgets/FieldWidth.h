#pragma once

#include <QString>

class QLineEdit;
class QPushButton;

namespace korbelant {

// Entry fields as wide as the texts they hold, in the field's own font with its frame and margins
// around them, and small buttons ("...") no wider than their caption needs.
class FieldWidth
{
public:
    // Room for that many characters of average width.
    static int forCharacters(const QLineEdit* edit, int characters);
    // Room for the sample text ("00.00.0000" for a date).
    static int forText(const QLineEdit* edit, const QString& sample);
    // Keep the field at least that wide in any layout.
    static void fit(QLineEdit* edit, int characters);
    // Exactly as wide as that, for short fields that must not grow with their window.
    static void fix(QLineEdit* edit, int characters);
    static void fixText(QLineEdit* edit, const QString& sample);
    static void fitText(QLineEdit* edit, const QString& sample);
    static void narrow(QPushButton* button);

private:
    static int withFrame(const QLineEdit* edit, int textWidth);
};

} // namespace korbelant
