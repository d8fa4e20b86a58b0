#include "week/ui/TDruckSAChange.h"

#include "widgets/FieldWidth.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace korbelant {

namespace {

constexpr int kNameWidth = 50;

} // namespace

TDruckSAChange::TDruckSAChange(const QString& number, const QString& name, QWidget* parent)
    : QDialog(parent), m_read(name), m_name(new QLineEdit(name, this))
{
    setObjectName(QStringLiteral("DruckSAChange"));
    setWindowTitle(QStringLiteral("Drucksachenanpassung "));
    m_name->setObjectName(QStringLiteral("ART_TEXT"));
    m_name->setMaxLength(kNameWidth);
    FieldWidth::fit(m_name, kNameWidth);
    // The number ties the name to the week's quantity field of the same number; it is shown, not
    // changed, so that no name moves onto another item's quantities.
    auto* number_ = new QLineEdit(number, this);
    number_->setObjectName(QStringLiteral("NUMMER"));
    number_->setReadOnly(true);
    number_->setFocusPolicy(Qt::NoFocus);
    FieldWidth::fit(number_, 3);
    m_name->installEventFilter(this);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Nummer :"), number_);
    layout->addRow(QStringLiteral("Bezeichnung :"), m_name);
}

std::optional<QString> TDruckSAChange::edit(const QString& number, const QString& name,
                                            const QPoint& position, QWidget* parent)
{
    TDruckSAChange dialog(number, name, parent);
    dialog.move(position);
    if (dialog.exec() != QDialog::Accepted || !dialog.changed())
        return std::nullopt;
    return dialog.name();
}

QString TDruckSAChange::name() const
{
    return m_name->text().trimmed();
}

bool TDruckSAChange::changed() const
{
    return name() != m_read.trimmed();
}

bool TDruckSAChange::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->text() == QStringLiteral("#")) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korbelant
