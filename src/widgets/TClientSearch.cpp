#include "widgets/TClientSearch.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace korbelant {

TClientSearch::TClientSearch(const QString& title, const QString& label,
                             std::function<void(const QString&)> onEntry, std::function<void(int)> onStep,
                             QWidget* parent)
    : QDialog(parent), m_onStep(std::move(onStep))
{
    setObjectName(QStringLiteral("TClientSearch"));
    setWindowTitle(title);
    auto* layout = new QHBoxLayout(this);
    auto* caption = new QLabel(label, this);
    m_entry = new QLineEdit(this);
    caption->setBuddy(m_entry);
    layout->addWidget(caption);
    layout->addWidget(m_entry, 1);
    m_entry->installEventFilter(this);
    connect(m_entry, &QLineEdit::textEdited, this,
            [onEntry = std::move(onEntry)](const QString& text) { onEntry(text); });
}

bool TClientSearch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        accept();
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int step = key->modifiers() & Qt::ShiftModifier ? 10 : 1;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            accept();
            return true;
        case Qt::Key_Up:
            m_onStep(-step);
            return true;
        case Qt::Key_Down:
            m_onStep(step);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korbelant
