#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace korbelant {

// The window shown while the program starts: borderless and centred, with a picture, the
// application title followed by " wird geladen.", the current step and a progress bar 0..100.
class TLoadForm : public QWidget
{
    Q_OBJECT

public:
    explicit TLoadForm(const QString& applicationTitle, QWidget* parent = nullptr);

    // Shows a step of the start and lets the window repaint.
    void setStep(const QString& text, int progress);
    QString stepText() const;
    int progress() const;

private:
    QLabel* m_step;
    QProgressBar* m_bar;
};

} // namespace korbelant
