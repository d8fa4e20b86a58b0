#pragma once

#include <QWidget>

class QLabel;

namespace korbelant {

// The small "Bitte warten" window shown while a report is prepared or a long action runs.
class TProgressForm : public QWidget
{
    Q_OBJECT

public:
    static inline const QString kDefaultText = QStringLiteral("Bericht wird  vorbereitet.");

    explicit TProgressForm(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    // Shows the window centred on the given one (on the screen without one) and paints it at once.
    void showCentredOn(QWidget* owner);

private:
    QLabel* m_label;
};

} // namespace korbelant
