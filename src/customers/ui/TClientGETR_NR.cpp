#include "customers/ui/TClientGETR_NR.h"

#include "core/GermanFormat.h"
#include "core/UiPort.h"
#include "core/WeekKey.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

TClientGETR_NR::TClientGETR_NR(Database& db, UiPort& ui, const QString& title, bool withList, QWidget* parent)
    : QDialog(parent), m_ui(ui)
{
    setObjectName(QStringLiteral("TClientGETR_NR"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Vorführung :"), this);
    m_edit = new QLineEdit(this);
    m_edit->setInputMask(QStringLiteral("99/99/99  X;_"));
    label->setBuddy(m_edit);
    row->addWidget(label);
    row->addWidget(m_edit, 1);
    layout->addLayout(row);

    m_grid = new QTableWidget(0, 6, this);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Vorfü.Nr."), QStringLiteral("Name"),
                                       QStringLiteral("Woche"), QStringLiteral("Teilw."),
                                       QStringLiteral("Gäste"), QStringLiteral("Umsatz")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setVisible(withList);
    if (withList) {
        m_rows = PartyNumberList::rows(db);
        m_grid->setRowCount(static_cast<int>(m_rows.size()));
        for (int r = 0; r < m_grid->rowCount(); ++r) {
            const auto& p = m_rows.at(r);
            const QString cells[] = {p.number,
                                     p.hostName,
                                     WeekKey::displayWeek(p.week),
                                     p.partWeek,
                                     QString::number(p.guests),
                                     GermanFormat::money(p.turnover)};
            for (int c = 0; c < 6; ++c)
                m_grid->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
    }
    layout->addWidget(m_grid, 1);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TClientGETR_NR::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int r, int) {
        m_edit->setText(PartyNumberList::masked(m_rows.at(r).number));
        m_edit->setFocus();
    });
    m_edit->installEventFilter(this);
    m_grid->installEventFilter(this);
    resize(withList ? 560 : 300, withList ? 420 : 100);
}

QString TClientGETR_NR::typedNumber() const
{
    return m_edit->displayText();
}

QString TClientGETR_NR::number() const
{
    return PartyNumberList::unmasked(m_edit->text());
}

void TClientGETR_NR::tryAccept()
{
    if (number().isEmpty()) {
        m_ui.information(kIncomplete);
        return;
    }
    accept();
}

bool TClientGETR_NR::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        tryAccept();
        return true;
    case Qt::Key_End:
        reject();
        return true;
    case Qt::Key_Escape:
        return true; // Escape does not cancel this prompt
    default:
        return false;
    }
}

void TClientGETR_NR::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event->key()))
        QDialog::keyPressEvent(event);
}

bool TClientGETR_NR::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace korbelant
