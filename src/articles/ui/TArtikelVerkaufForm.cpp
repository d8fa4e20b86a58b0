#include "articles/ui/TArtikelVerkaufForm.h"

#include "articles/ArticleReportData.h"
#include "articles/ArticleSalesReport.h"
#include "articles/KindTable.h"
#include "articles/TArtikelModul.h"
#include "core/GermanFormat.h"
#include "core/UiPort.h"
#include "core/WeekKey.h"
#include "reports/ui/ReportPreview.h"
#include "widgets/WeekEntry.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QString fullYear(const QLineEdit* year)
{
    return year->text().size() == 4 ? year->text() : QString();
}

} // namespace

TArtikelVerkaufForm::TArtikelVerkaufForm(TArtikelModul& modul, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_modul(modul), m_ui(ui), m_article(new QLineEdit(this)), m_kind(new QComboBox(this)),
      m_fromYear(WeekEntry::digitField(this, 4)), m_fromWeek(WeekEntry::digitField(this, 2)),
      m_toYear(WeekEntry::digitField(this, 4)), m_toWeek(WeekEntry::digitField(this, 2)),
      m_grid(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Artikel-Verkäufe an welchen Kunden ?"));
    m_article->setMaxLength(8);
    m_article->setText(modul.current() ? modul.current()->lNr.left(8) : QString());
    connect(m_article, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = m_article->cursorPosition();
        m_article->setText(text.toUpper());
        m_article->setCursorPosition(cursor);
    });
    m_kind->addItem(KindTable::kAll);
    m_kind->addItems(modul.KindDisplayList());
    m_grid->setColumnCount(8);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("VA"), QStringLiteral("Artikel-Nr."),
                                       QStringLiteral("K_NR"), QStringLiteral("Name"),
                                       QStringLiteral("Vorf.-Nr."), QStringLiteral("Woche"),
                                       QStringLiteral("Stück"), QStringLiteral("Einz. Preis")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Artikel :"), m_article);
    form->addRow(QStringLiteral("VA :"), m_kind);
    form->addRow(QStringLiteral("Woche     von - bis :"), weekRow());
    auto* buttons = new QDialogButtonBox(this);
    auto* shortList = buttons->addButton(QStringLiteral("Kurzliste &Drucken"), QDialogButtonBox::ActionRole);
    auto* withAddress =
        buttons->addButton(QStringLiteral("Mit Adresse D&rucken"), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(shortList, &QPushButton::clicked, this, [this] { print(false); });
    connect(withAddress, &QPushButton::clicked, this, [this] { print(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* edit : {m_article, m_fromYear, m_fromWeek, m_toYear, m_toWeek})
        connect(edit, &QLineEdit::textChanged, this, [this] { query(); });
    connect(m_kind, &QComboBox::currentTextChanged, this, [this] { query(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_grid, 1);
    layout->addWidget(buttons);
    resize(820, 520);
    query();
}

QLayout* TArtikelVerkaufForm::weekRow()
{
    auto* row = new QHBoxLayout;
    const auto calendar = [this, row](QLineEdit* year, QLineEdit* week) {
        row->addWidget(year);
        row->addWidget(week);
        auto* pick = new QToolButton(this);
        pick->setText(QStringLiteral("..."));
        connect(pick, &QToolButton::clicked, this, [this, year, week] { pickWeek(year, week); });
        row->addWidget(pick);
    };
    calendar(m_fromYear, m_fromWeek);
    row->addWidget(new QLabel(QStringLiteral("-"), this));
    calendar(m_toYear, m_toWeek);
    row->addStretch();
    return row;
}

void TArtikelVerkaufForm::pickWeek(QLineEdit* year, QLineEdit* week)
{
    WeekEntry::pick(m_ui, year, week);
}

ArticleSalesQuery::Conditions TArtikelVerkaufForm::conditions() const
{
    return {m_article->text().trimmed(), KindTable::codeOfEntry(m_kind->currentText()),
            ArticleSalesQuery::weekKey(fullYear(m_fromYear), m_fromWeek->text()),
            ArticleSalesQuery::weekKey(fullYear(m_toYear), m_toWeek->text(), true)};
}

QString TArtikelVerkaufForm::listTitle() const
{
    const ArticleSalesQuery::Conditions c = conditions();
    return ArticleReportData::salesTitle(c.article, m_kind->currentText(), c.fromWeek, c.toWeek);
}

ReportDocument TArtikelVerkaufForm::listDocument(bool withAddress) const
{
    ReportDocument doc = ArticleSalesReport::document(m_sales, listTitle(), withAddress);
    doc.frame = ReportFrame::read(m_modul.database());
    return doc;
}

void TArtikelVerkaufForm::print(bool withAddress)
{
    ReportPreview::show(listDocument(withAddress), m_ui, this);
}

void TArtikelVerkaufForm::query()
{
    m_sales = m_modul.sales(conditions());
    m_grid->setRowCount(static_cast<int>(m_sales.size()));
    int row = 0;
    for (const auto& s : m_sales) {
        const QStringList cells{s.va,
                                s.lNr,
                                s.kNr,
                                s.kundenName,
                                s.rNr,
                                ArticleSalesQuery::weekDisplay(s.woche),
                                GermanFormat::number(s.stueck, 0),
                                GermanFormat::number(s.einzPreis, 2)};
        for (int column = 0; column < cells.size(); ++column)
            m_grid->setItem(row, column, new QTableWidgetItem(cells.at(column)));
        ++row;
    }
}

} // namespace korbelant
