#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace korbelant {

// The progress of the conversion: a heading, a detail line, "Bitte warten." and a bar to 100.
class TEuroStatus : public QDialog
{
    Q_OBJECT

public:
    explicit TEuroStatus(QWidget* parent = nullptr);

    // Shows the step at once, before the work of the step starts.
    void step(const QString& heading, const QString& detail, int percent);

    QString heading() const;
    QString detail() const;
    int percent() const;

private:
    QLabel* m_heading;
    QLabel* m_detail;
    QProgressBar* m_bar;
};

} // namespace korbelant
