#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace korbelant {

class TVorFuerModul;

// "Sternekonto": a small window beside the guest window with the star figures of the party being
// entered. It blinks red while more stars are entered than earned; "be&rechnen" has the guest
// window store what has been entered so far and recompute the party first.
class TSternekonto : public QWidget
{
public:
    TSternekonto(TVorFuerModul& party, std::function<void()> recompute, QWidget* parent);

    // Shows the window for the party beside its parent, or refreshes it when already shown.
    void showFor(const QString& rNr);
    void refresh();

    // One beat of the blinking timer: red on every other beat while the warning holds.
    void blink();
    bool blinking() const { return m_timer.isActive(); }
    bool warning() const { return m_warning; }
    bool blinkedRed() const { return m_red; }
    QString value(const QString& caption) const;
    QPushButton* recomputeButton() const { return m_recompute; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* addValue(const QString& caption);
    QLabel* labelFor(const QString& caption) const;
    void placeBesideParent();

    TVorFuerModul& m_party;
    std::function<void()> m_recomputeParty;
    QString m_rNr;
    QList<QPair<QString, QLabel*>> m_values;
    QPushButton* m_recompute = nullptr;
    QTimer m_timer;
    bool m_warning = false;
    bool m_red = false;
};

} // namespace korbelant
