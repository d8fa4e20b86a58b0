#include "week/ui/WeekRecordBinder.h"

#include "core/UiPort.h"
#include "week/TWocheDataModul.h"
#include "week/WeekFieldText.h"
#include "widgets/FieldWidth.h"
#include "widgets/SpinEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace korbelant {

namespace {

void focusNext(QWidget* from)
{
    for (QWidget* next = from->nextInFocusChain(); next && next != from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

WeekRecordBinder::WeekRecordBinder(TWocheDataModul& week, UiPort& ui, QObject* parent)
    : QObject(parent), m_week(week), m_ui(ui)
{
}

QLineEdit* WeekRecordBinder::line(const QString& field, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(field);
    const int width = WeekFieldText::width(field);
    if (width > 0)
        edit->setMaxLength(width);
    bind(edit, field);
    return edit;
}

SpinEdit* WeekRecordBinder::spin(const QString& field, QWidget* parent)
{
    auto* spin = new SpinEdit(field, parent);
    FieldWidth::fix(spin->edit(), 4);
    spin->edit()->setAlignment(Qt::AlignRight);
    bind(spin->edit(), field);
    connect(spin, &SpinEdit::spun, this, [this, field](bool up) {
        commit();
        m_week.spin(field, up);
        refresh();
        emit stored();
    });
    return spin;
}

QWidget* WeekRecordBinder::date(const QString& field, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* edit = new QLineEdit(box);
    edit->setObjectName(field);
    edit->setInputMask(QStringLiteral("00.00.0000"));
    FieldWidth::fixText(edit, QStringLiteral("00.00.00000"));
    bind(edit, field);
    auto* button = new QPushButton(QStringLiteral("..."), box);
    button->setObjectName(field + QStringLiteral("Button"));
    button->setToolTip(QStringLiteral("Kalender"));
    FieldWidth::narrow(button);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(edit);
    row->addWidget(button);
    row->addStretch();
    connect(button, &QPushButton::clicked, this, [this, field] {
        commit();
        if (m_week.pickDate(field)) {
            refresh();
            emit stored();
        }
    });
    return box;
}

QLineEdit* WeekRecordBinder::time(const QString& field, QWidget* parent)
{
    auto* edit = line(field, parent);
    edit->setInputMask(QStringLiteral("00:00"));
    FieldWidth::fixText(edit, QStringLiteral("00:000"));
    return edit;
}

void WeekRecordBinder::bind(QLineEdit* edit, const QString& field)
{
    m_edits.insert(field, edit);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, field] { take(edit, field); });
}

void WeekRecordBinder::take(QLineEdit* edit, const QString& field)
{
    if (m_refreshing || !m_week.hasWeek())
        return;
    const QString shown = WeekFieldText::shown(field, m_week.field(field));
    if (edit->text() == shown)
        return;
    const auto value = WeekFieldText::entered(field, edit->text());
    if (!value) {
        m_ui.warning(QStringLiteral("\"%1\" ist hier keine gültige Eingabe.").arg(edit->text().trimmed()));
        edit->setText(shown);
        return;
    }
    if (WeekFieldText::shown(field, *value) != shown)
        m_week.setField(field, *value);
}

void WeekRecordBinder::refresh()
{
    m_refreshing = true;
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it) {
        it.value()->setText(WeekFieldText::shown(it.key(), m_week.field(it.key())));
        it.value()->setEnabled(m_week.hasWeek());
    }
    m_refreshing = false;
}

void WeekRecordBinder::commit()
{
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        take(it.value(), it.key());
}

bool WeekRecordBinder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto* edit = qobject_cast<QLineEdit*>(watched);
            if (edit) {
                take(edit, m_edits.key(edit));
                focusNext(edit);
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace korbelant
