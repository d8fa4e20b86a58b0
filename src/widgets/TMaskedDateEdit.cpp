#include "widgets/TMaskedDateEdit.h"

#include "core/UiPort.h"
#include "core/WeekKey.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace korbelant {

TMaskedDateEdit::TMaskedDateEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(DateMaskCheck::emptyMask(false).size());
    // Only typed digits reach the mask: no pasting by menu, drop or input method.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

QString TMaskedDateEdit::dateText() const
{
    return WeekKey::dateText(m_date);
}

void TMaskedDateEdit::setShortYear(bool on)
{
    m_settings.shortYear = on;
    if (hasFocus())
        showEntry(DateMaskCheck::textOf(m_date, on), 0);
}

void TMaskedDateEdit::setDate(const QDate& date)
{
    m_date = date.isValid() ? date : QDate();
    if (hasFocus()) {
        const QString entry = DateMaskCheck::textOf(m_date, m_settings.shortYear);
        showEntry(entry, m_date.isValid() ? entry.size() : 0);
    } else
        setText(WeekKey::dateText(m_date));
}

void TMaskedDateEdit::showEntry(const QString& text, int caret)
{
    setText(text);
    setCursorPosition(caret);
}

int TMaskedDateEdit::skipDotForward(int position) const
{
    return DateMaskCheck::isDotPosition(position) ? position + 1 : position;
}

void TMaskedDateEdit::typeDigit(QChar digit)
{
    QString entry = text();
    const int position = skipDotForward(cursorPosition());
    if (position >= entry.size())
        return;
    entry[position] = digit;
    showEntry(entry, std::min<int>(skipDotForward(position + 1), entry.size()));
}

// Takes the digit at a position out of the mask: the digits behind it move one place to the
// left, over the dots, and a blank fills the end.
void TMaskedDateEdit::removeSlot(int position)
{
    QString entry = text();
    int current = position;
    while (current < entry.size()) {
        const int next = skipDotForward(current + 1);
        entry[current] = next < entry.size() ? entry.at(next) : DateMaskCheck::kBlank;
        current = next;
    }
    setText(entry);
}

void TMaskedDateEdit::backspace()
{
    int position = cursorPosition() - 1;
    if (position >= 0 && DateMaskCheck::isDotPosition(position))
        --position;
    if (position < 0)
        return;
    removeSlot(position);
    setCursorPosition(position);
}

void TMaskedDateEdit::deleteAtCaret()
{
    const int position = skipDotForward(cursorPosition());
    if (position >= text().size())
        return;
    removeSlot(position);
    setCursorPosition(position);
}

void TMaskedDateEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    switch (event->key()) {
    case Qt::Key_Backspace:
        backspace();
        return;
    case Qt::Key_Delete:
        deleteAtCaret();
        return;
    case Qt::Key_Home:
        setCursorPosition(0);
        return;
    case Qt::Key_End:
        setCursorPosition(text().size());
        return;
    case Qt::Key_Left:
        setCursorPosition(std::max(0, cursorPosition() - 1));
        return;
    case Qt::Key_Right:
        setCursorPosition(std::min<int>(text().size(), cursorPosition() + 1));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        event->ignore(); // for the dialog around the field
        return;
    default:
        break;
    }
    if (typed.size() == 1 && typed.at(0).isDigit() && typed.at(0).unicode() < 128)
        typeDigit(typed.at(0));
    // Every other character is ignored.
}

void TMaskedDateEdit::mousePressEvent(QMouseEvent*)
{
    // A click only brings the focus; the caret is placed on entering and moved by keys.
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TMaskedDateEdit::mouseDoubleClickEvent(QMouseEvent*) {}

void TMaskedDateEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (m_checking)
        return;
    const QString entry = DateMaskCheck::textOf(m_date, m_settings.shortYear);
    showEntry(entry, m_date.isValid() ? entry.size() : 0);
}

void TMaskedDateEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a menu does not leave the field.
    if (m_checking || event->reason() == Qt::ActiveWindowFocusReason ||
        event->reason() == Qt::PopupFocusReason)
        return;
    if (checkEntry()) {
        setText(WeekKey::dateText(m_date));
        return;
    }
    // The field keeps the focus until the entry is right or emptied.
    QTimer::singleShot(0, this, [this] {
        const int caret = cursorPosition();
        m_checking = true;
        setFocus(Qt::OtherFocusReason);
        setCursorPosition(caret);
        m_checking = false;
    });
}

bool TMaskedDateEdit::checkEntry()
{
    DateMaskCheck::Settings settings = m_settings;
    settings.today = m_today.isValid() ? m_today : QDate::currentDate();
    const DateMaskCheck::Result result = DateMaskCheck::check(text(), settings);
    if (!result.accepted) {
        m_checking = true;
        if (m_ui)
            m_ui->error(result.message);
        m_checking = false;
        setCursorPosition(result.caret);
        return false;
    }
    if (result.date != m_date) {
        m_date = result.date;
        emit dateChanged(m_date);
    }
    return true;
}

} // namespace korbelant
