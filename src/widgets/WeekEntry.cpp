#include "widgets/WeekEntry.h"

#include "core/UiPort.h"
#include "core/WeekKey.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace korbelant {

QLineEdit* WeekEntry::digitField(QWidget* parent, int digits)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(digits);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), edit));
    edit->setFixedWidth(digits * 14 + 12);
    return edit;
}

void WeekEntry::pick(UiPort& ui, QLineEdit* year, QLineEdit* week)
{
    const auto picked = ui.pickDate(QDate::currentDate());
    if (!picked)
        return;
    const QString key = WeekKey::weekKey(*picked);
    year->setText(key.left(4));
    week->setText(key.mid(4, 2));
}

} // namespace korbelant
