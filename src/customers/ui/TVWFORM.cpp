#include "customers/ui/TVWFORM.h"

#include "core/DataSet.h"
#include "core/UiPort.h"
#include "customers/CustomerListReport.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/TClientNewForm.h"
#include "reports/ui/ReportPreview.h"
#include "reports/ui/ReportPrinter.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const QStringList kAddressHeadings{QStringLiteral("K_Nr."),      QStringLiteral("Vorname"),
                                   QStringLiteral("Name"),       QStringLiteral("Straße"),
                                   QStringLiteral("Plz"),        QStringLiteral("Ort"),
                                   QStringLiteral("Telefon-Nr.")};

const QString kBirthdays = QStringLiteral("Geburtstage");
const QString kParties = QStringLiteral("Vorfuehrungen");

} // namespace

TVWFORM::TVWFORM(DataSet& set, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_set(set), m_ui(ui), m_due(set.db()),
      m_followUps(makeGrid(QStringLiteral("Datum"), palette().base().color())),
      m_birthdays(makeGrid(QStringLiteral("Geburtstag"), QToolTip::palette().toolTipBase().color())),
      m_parties(makeGrid(QStringLiteral("nä. Vorführung"), QColor(192, 220, 192))),
      m_birthdayBox(new QCheckBox(QStringLiteral("Geburtstage melden. (siehe Optionen->Zubehör)"), this)),
      m_partyBox(new QCheckBox(QStringLiteral("Vorführungen melden. (siehe Optionen->Zubehör)"), this))
{
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("TVWFORM"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildToolBar());
    layout->addWidget(m_followUps, 2);
    for (auto [heading, box, grid] :
         {std::tuple{QStringLiteral("Geburtstage in den nächsten sieben Tagen:"), m_birthdayBox, m_birthdays},
          std::tuple{QStringLiteral("Vorführungen in den nächsten sieben Tagen:"), m_partyBox, m_parties}}) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(heading, this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        row->addWidget(label);
        row->addStretch();
        row->addWidget(box);
        layout->addLayout(row);
        layout->addWidget(grid, 1);
    }
    connect(m_followUps, &QTableWidget::cellDoubleClicked, this, [this] { editFollowUp(); });
    resize(820, 560);
}

QWidget* TVWFORM::buildToolBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const QString& text, const QString& hint, auto action) {
        auto* button = new QPushButton(text, bar);
        button->setToolTip(hint);
        connect(button, &QPushButton::clicked, this, action);
        row->addWidget(button);
        return button;
    };
    add(QStringLiteral("Wiedervorlage &Zurücksetzen"), QStringLiteral("WV-Datum löschen"),
        [this] { resetFollowUp(); });
    add(QStringLiteral("Wiedervorlage &Bearbeiten"), QStringLiteral("Kunde bearbeiten"),
        [this] { editFollowUp(); });
    m_print = add(QStringLiteral("Wiedervorlageliste &Drucken"), QStringLiteral("Kundenliste drucken"),
                  [this] { printFollowUps(); });
    add(QStringLiteral("&Ok"), QString(), [this] { accept(); });
    row->addStretch();
    return bar;
}

QTableWidget* TVWFORM::makeGrid(const QString& dateHeading, const QColor& background)
{
    auto* grid = new QTableWidget(0, kAddressHeadings.size() + 1, this);
    grid->setHorizontalHeaderLabels(QStringList{dateHeading} + kAddressHeadings);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setVisible(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    QPalette colours = grid->palette();
    colours.setColor(QPalette::Base, background);
    grid->setPalette(colours);
    return grid;
}

void TVWFORM::fillGrid(QTableWidget* grid, const DueReminders::List& list)
{
    grid->setRowCount(static_cast<int>(list.size()));
    int row = 0;
    for (const DueReminders::Customer& c : list) {
        const QStringList values{c.date.toString(QStringLiteral("dd.MM.yyyy")),
                                 c.kNr,
                                 c.vorname,
                                 c.name,
                                 c.strasse,
                                 c.plz,
                                 c.ort,
                                 c.telefon};
        for (int column = 0; column < values.size(); ++column)
            grid->setItem(row, column, new QTableWidgetItem(values.at(column)));
        ++row;
    }
    grid->resizeColumnsToContents();
}

void TVWFORM::fill(const QDate& today)
{
    m_today = today;
    m_birthdayBox->setChecked(m_set.options().checked(kBirthdays));
    m_partyBox->setChecked(m_set.options().checked(kParties));
    fillGrid(m_followUps, m_due.followUps(today));
    if (m_followUps->rowCount() > 0)
        m_followUps->selectRow(0);
    fillGrid(m_birthdays, m_due.birthdays(today));
    fillGrid(m_parties, m_due.parties(today));
}

bool TVWFORM::CheckDueReminders(const QDate& today)
{
    fill(today);
    if (!m_due.openAtStart(m_set.options(), today))
        return false;
    exec();
    return true;
}

void TVWFORM::showFor(const QDate& today)
{
    fill(today);
    exec();
}

QString TVWFORM::selectedFollowUp() const
{
    const int row = m_followUps->currentRow();
    if (row < 0 || row >= m_followUps->rowCount())
        return {};
    return m_followUps->item(row, 1)->text();
}

void TVWFORM::resetFollowUp()
{
    const QString customer = selectedFollowUp();
    if (customer.isEmpty())
        return;
    const int row = m_followUps->currentRow();
    m_due.clearFollowUp(customer);
    fillGrid(m_followUps, m_due.followUps(m_today));
    if (m_followUps->rowCount() > 0)
        m_followUps->selectRow(std::min(row, m_followUps->rowCount() - 1));
}

void TVWFORM::editFollowUp()
{
    const QString customer = selectedFollowUp();
    if (customer.isEmpty())
        return;
    TClientDataModul store(m_set.db(), m_ui);
    std::optional<TClientDataModul::Record> record = store.load(customer);
    if (!record)
        return;
    TClientNewForm::edit(store, *record, false, TClientNewForm::kDefaultTitle, this);
    fill(m_today);
}

void TVWFORM::printFollowUps()
{
    if (!ReportPrinter::CheckPrinter(m_ui))
        return;
    QStringList customers;
    for (const DueReminders::Customer& c : m_due.followUps(m_today))
        customers << c.kNr;
    m_print->setEnabled(false);
    ReportPreview::show(CustomerListReport::document(CustomerListReport::Kind::Phones, m_set.db(), customers),
                        m_ui, this);
    m_print->setEnabled(true);
}

// The check boxes become the options only now; they are saved at once.
void TVWFORM::done(int result)
{
    m_set.options().setChecked(kBirthdays, m_birthdayBox->isChecked());
    m_set.options().setChecked(kParties, m_partyBox->isChecked());
    m_set.options().SaveOptions();
    QDialog::done(result);
}

} // namespace korbelant
