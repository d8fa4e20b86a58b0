#include "widgets/DateField.h"

#include "core/UiPort.h"
#include "widgets/FieldWidth.h"
#include "widgets/TMaskedDateEdit.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace korbelant {

DateField::DateField(UiPort& ui, QWidget* parent) : QWidget(parent), m_ui(ui)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_edit = new TMaskedDateEdit(this);
    m_edit->setUi(&ui);
    FieldWidth::fitText(m_edit, QStringLiteral("00.00.0000"));
    row->addWidget(m_edit);
    m_button = new QPushButton(QStringLiteral("..."), this);
    m_button->setAutoDefault(false);
    m_button->setFocusPolicy(Qt::NoFocus);
    FieldWidth::narrow(m_button);
    row->addWidget(m_button);
    connect(m_button, &QPushButton::clicked, this, &DateField::pickDate);
    connect(m_edit, &TMaskedDateEdit::dateChanged, this, &DateField::dateChanged);
}

void DateField::setFieldName(const QString& field)
{
    m_edit->setObjectName(field);
    m_button->setObjectName(field + QStringLiteral("Button"));
}

void DateField::setButtonTakesFocus(bool on)
{
    m_button->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

QDate DateField::date() const
{
    return m_edit->date();
}

QString DateField::dateText() const
{
    return m_edit->dateText();
}

void DateField::setDate(const QDate& date)
{
    m_edit->setDate(date);
}

bool DateField::checkEntry()
{
    return m_edit->checkEntry();
}

QDate DateField::pickStart() const
{
    const QDate current = m_edit->date();
    return current.isValid() || !m_pickStart ? current : m_pickStart();
}

void DateField::pickDate()
{
    const std::optional<QDate> picked = m_ui.pickDate(pickStart());
    if (!picked && !m_clearOnCancel)
        return;
    m_edit->setDate(picked.value_or(QDate()));
    if (m_button->focusPolicy() == Qt::NoFocus)
        m_edit->setFocus();
    emit dateChanged(m_edit->date());
}

} // namespace korbelant
