#include "euro/ui/TEuroRechner.h"

#include "core/UiPort.h"
#include "euro/EuroCalculator.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QPushButton* button(const QString& text, const QString& hint, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setObjectName(name);
    return b;
}

} // namespace

TEuroRechner::TEuroRechner(UiPort& ui, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_ui(ui), m_dm(new QLineEdit(this)),
      m_euro(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TEuroRechner"));
    setWindowTitle(QStringLiteral("€uroumrechner für Einzelbeträge :"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_dm->setObjectName(QStringLiteral("DmAmount"));
    m_euro->setObjectName(QStringLiteral("EuroAmount"));
    form->addRow(QStringLiteral("DM-Betrag :"), m_dm);
    form->addRow(QStringLiteral("Euro-Betrag :"), m_euro);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    auto* toEuro = button(QStringLiteral("&DM -> EURO"), QStringLiteral("DM in Euro umrechnen"),
                          QStringLiteral("ToEuroButton"), this);
    auto* toDm = button(QStringLiteral("DM <- &EURO"), QStringLiteral("Euro in DM umrechnen"),
                        QStringLiteral("ToDmButton"), this);
    connect(toEuro, &QPushButton::clicked, this, &TEuroRechner::toEuro);
    connect(toDm, &QPushButton::clicked, this, &TEuroRechner::toDm);
    buttons->addWidget(toEuro);
    buttons->addWidget(toDm);
    layout->addLayout(buttons);
}

void TEuroRechner::toEuro()
{
    if (const auto euro = EuroCalculator::toEuro(m_dm->text()))
        m_euro->setText(*euro);
    else
        m_ui.information(EuroCalculator::kNoDmValue);
}

void TEuroRechner::toDm()
{
    if (const auto dm = EuroCalculator::toDm(m_euro->text()))
        m_dm->setText(*dm);
    else
        m_ui.information(EuroCalculator::kNoEuroValue);
}

TEuroRechner* TEuroRechner::showFor(UiPort& ui, QWidget* parent)
{
    auto* calculator =
        parent ? parent->findChild<TEuroRechner*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!calculator) {
        calculator = new TEuroRechner(ui, parent);
        calculator->setAttribute(Qt::WA_DeleteOnClose);
    }
    calculator->show();
    calculator->raise();
    calculator->activateWindow();
    return calculator;
}

} // namespace korbelant
