#include "articles/ui/TArtikelVerwaltForm.h"

#include "articles/ArticleListReport.h"
#include "articles/ArticleSortOrder.h"
#include "articles/KindTable.h"
#include "articles/TArtikelModul.h"
#include "articles/ui/ArticleTableModel.h"
#include "articles/ui/TArtikelChangeForm.h"
#include "articles/ui/TArtikelVerkaufForm.h"
#include "articles/ui/TVolltextForm.h"
#include "articles/ui/TWelcheArtikelForm.h"
#include "core/UiPort.h"
#include "reports/ui/ReportPreview.h"
#include "widgets/TClientSearch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QPushButton* button(QWidget* parent, const QString& caption, const QString& hint)
{
    auto* b = new QPushButton(caption, parent);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* switchBox(QWidget* parent, const QString& caption)
{
    auto* box = new QCheckBox(parent);
    box->setText(caption);
    box->setLayoutDirection(Qt::RightToLeft); // the caption stands before the box
    return box;
}

} // namespace

TArtikelVerwaltForm::TArtikelVerwaltForm(TArtikelModul& modul, UiPort& ui, const QString& programTitle,
                                         QWidget* parent)
    : QDialog(parent), m_modul(modul), m_ui(ui), m_programTitle(programTitle)
{
    m_modul.activateFromMainMenu();
    build();
}

TArtikelVerwaltForm::TArtikelVerwaltForm(TArtikelModul& modul, UiPort& ui,
                                         const ArticleStatusSwitches& callerSwitches, QWidget* parent)
    : QDialog(parent), m_modul(modul), m_ui(ui),
      m_chooser(std::make_unique<ArticleChooser>(modul, callerSwitches)), m_returned(callerSwitches)
{
    setObjectName(QStringLiteral("ArtikelListForm"));
    build();
}

TArtikelVerwaltForm::~TArtikelVerwaltForm()
{
    if (!m_closed)
        done(QDialog::Rejected);
}

void TArtikelVerwaltForm::build()
{
    setWindowTitle(isChooser() ? QStringLiteral("Artikel auswählen")
                               : QStringLiteral("Vorlix-Soft - ") + m_programTitle +
                                     QStringLiteral(" Artikelverwaltung"));
    m_model = new ArticleTableModel(m_modul, this);
    m_grid = new QTableView(this);
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(m_model->columnOf(ArticleTableModel::Text),
                                                     QHeaderView::Stretch);
    m_grid->installEventFilter(this);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    m_modul.setCurrentRow(current.row());
            });
    connect(m_grid, &QTableView::doubleClicked, this, [this] { isChooser() ? takeChoice() : editCurrent(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildButtons());
    layout->addWidget(buildFilters());
    layout->addWidget(m_grid, 1);
    connectFilters();
    showSwitches();
    reloadGrid();
    resize(900, 600);
}

QWidget* TArtikelVerwaltForm::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto add = [&](const QString& caption, const QString& hint, auto slot) {
        QPushButton* b = button(bar, caption, hint);
        connect(b, &QPushButton::clicked, this, slot);
        row->addWidget(b);
    };
    add(QStringLiteral("&Neu"), QStringLiteral("Neuen Artikel anlegen"), [this] { newArticle(); });
    add(QStringLiteral("&Bearbeiten"), QStringLiteral("Artikel bearbeiten"), [this] { editCurrent(); });
    add(QStringLiteral("&Löschen"), QStringLiteral("Artikel löschen"), [this] { deleteCurrent(); });
    if (isChooser()) {
        add(QStringLiteral("&Ok"), QString(), [this] { takeChoice(); });
        add(QStringLiteral("&Abbr.."), QString(), [this] { cancelChoice(); });
        row->addStretch();
        return bar;
    }
    add(QStringLiteral("Ver&käufe"), QStringLiteral("Artikelverkäufe abfragen"), [this] {
        TArtikelVerkaufForm sales(m_modul, m_ui, this);
        sales.exec();
    });
    add(QStringLiteral("&Einlesen"), QStringLiteral("Artikeldatei einlesen"), [this] { importArticles(); });
    add(QStringLiteral("Artikel-L&iste"), QStringLiteral("Artikel-Liste drucken"),
        [this] { printList(false); });
    add(QStringLiteral("Artikelbestand"), QString(), [this] { printList(true); });
    add(QStringLiteral("&Suchen"), QStringLiteral("In aktueller Sortierung suchen"),
        [this] { openSearch(); });
    add(QStringLiteral("Vollte&xt"), QStringLiteral("Volltextsuche Artikel-Text"), [this] { fullText(); });
    add(QStringLiteral("Ersatz&teil"), QStringLiteral("Ersatzteile für Artikel anzeigen"),
        [this] { askSpareParts(); });
    add(QStringLiteral("Zähler"), QStringLiteral("Datenbankzähler"), [this] { showCounter(); });
    add(QStringLiteral("&Verlassen"), QStringLiteral("Artikelverwaltung verlassen"), [this] { accept(); });
    row->addStretch();
    return bar;
}

QWidget* TArtikelVerwaltForm::buildFilters()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_sort = new QComboBox(bar);
    m_sort->addItems(ArticleSortOrder::choices());
    m_sort->setCurrentText(ArticleSortOrder::choiceName(m_modul.sortOrder()));
    m_kind = new QComboBox(bar);
    m_kind->addItem(KindTable::kAll);
    m_kind->addItems(m_modul.KindDisplayList());
    m_kindLabel = new QLabel(QStringLiteral("VA :"), bar);
    m_back = button(bar, QStringLiteral("&Zurück"), QStringLiteral("Ersatzteilansicht schließen"));
    m_back->hide();
    m_search = new QLineEdit(bar);
    m_search->setPlaceholderText(QStringLiteral("Suchen"));
    m_new = switchBox(bar, QStringLiteral("Neu  :"));
    m_removed = switchBox(bar, QStringLiteral("Entf. :"));
    m_inactive = switchBox(bar, QStringLiteral("Inaktiv :"));
    m_active = switchBox(bar, QStringLiteral("Aktiv   :"));
    m_stock = switchBox(bar, QStringLiteral("Bestand :"));
    row->addWidget(new QLabel(QStringLiteral("Sortierung nach :"), bar));
    row->addWidget(m_sort);
    row->addWidget(m_kindLabel);
    row->addWidget(m_kind);
    row->addWidget(m_back);
    row->addWidget(m_search);
    for (QCheckBox* box : {m_new, m_removed, m_inactive, m_active, m_stock})
        row->addWidget(box);
    row->addStretch();
    return bar;
}

void TArtikelVerwaltForm::connectFilters()
{
    for (QCheckBox* box : {m_new, m_removed, m_inactive, m_active, m_stock})
        connect(box, &QCheckBox::toggled, this, [this] { applySwitches(); });
    connect(m_sort, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        m_modul.setSortOrder(ArticleSortOrder::fromChoice(name));
        reloadGrid();
    });
    connect(m_kind, &QComboBox::currentTextChanged, this, [this](const QString& entry) {
        m_modul.setKindSelection(entry);
        reloadGrid();
    });
    connect(m_back, &QPushButton::clicked, this, [this] { back(); });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_modul.incrementalSearch(text))
            showCurrent();
    });
}

void TArtikelVerwaltForm::openSearch()
{
    // The shared incremental search on the field of the current sort order.
    TClientSearch search(
        QStringLiteral("Artikel suchen"), ArticleSortOrder::searchLabel(m_modul.sortOrder()),
        [this](const QString& entry) {
            if (m_modul.incrementalSearch(entry))
                showCurrent();
        },
        [this](int rows) {
            m_modul.moveBy(rows);
            showCurrent();
        },
        this);
    search.exec();
}

void TArtikelVerwaltForm::showSwitches()
{
    const ArticleStatusSwitches& s = m_modul.switches();
    const QSignalBlocker b1(m_new), b2(m_active), b3(m_inactive), b4(m_removed), b5(m_stock);
    m_new->setChecked(s.showNew);
    m_active->setChecked(s.showActive);
    m_inactive->setChecked(s.showInactive);
    m_removed->setChecked(s.showRemoved);
    m_stock->setChecked(s.stockOnly);
}

void TArtikelVerwaltForm::applySwitches()
{
    ArticleStatusSwitches s = m_modul.switches();
    s.showNew = m_new->isChecked();
    s.showActive = m_active->isChecked();
    s.showInactive = m_inactive->isChecked();
    s.showRemoved = m_removed->isChecked();
    s.stockOnly = m_stock->isChecked();
    m_modul.setSwitches(s);
    reloadGrid();
}

void TArtikelVerwaltForm::reloadGrid()
{
    m_model->reload();
    showCurrent();
}

void TArtikelVerwaltForm::showCurrent()
{
    const int row = m_modul.currentRow();
    if (row < 0)
        return;
    m_grid->selectRow(row);
    m_grid->scrollTo(m_model->index(row, 0));
}

void TArtikelVerwaltForm::showEvent(QShowEvent* event)
{
    // Every activation from the main menu starts with all states but stock shown.
    if (!isChooser()) {
        m_closed = false;
        m_modul.activateFromMainMenu();
        showSwitches();
        reloadGrid();
    }
    QDialog::showEvent(event);
}

void TArtikelVerwaltForm::editCurrent()
{
    m_modul.setCurrentRow(m_grid->currentIndex().isValid() ? m_grid->currentIndex().row()
                                                           : m_modul.currentRow());
    const ArticleRecord* article = m_modul.current();
    if (!article)
        return;
    TArtikelChangeForm dialog(m_modul, *article, article->lNr, this);
    dialog.exec();
    reloadGrid();
}

void TArtikelVerwaltForm::newArticle()
{
    TArtikelChangeForm dialog(m_modul, m_modul.newArticle(), QString(), this);
    dialog.exec();
    reloadGrid();
}

void TArtikelVerwaltForm::deleteCurrent()
{
    if (m_grid->currentIndex().isValid())
        m_modul.setCurrentRow(m_grid->currentIndex().row());
    if (m_modul.deleteCurrent())
        reloadGrid();
}

void TArtikelVerwaltForm::askSpareParts()
{
    QDialog prompt(this);
    prompt.setWindowTitle(QStringLiteral("Ersatzteile für Artikel"));
    auto* edit = new QLineEdit(&prompt);
    edit->setMaxLength(4);
    edit->setInputMask(QStringLiteral(">NNNN"));
    edit->setText(m_modul.current() ? m_modul.current()->lNr.left(4) : QString());
    auto* form = new QFormLayout(&prompt);
    form->addRow(QStringLiteral("Artikel-Nr. :"), edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &prompt);
    connect(buttons, &QDialogButtonBox::accepted, &prompt, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &prompt, &QDialog::reject);
    form->addRow(buttons);
    if (prompt.exec() == QDialog::Accepted)
        showSpareParts(edit->text());
}

void TArtikelVerwaltForm::showSpareParts(const QString& productNumber)
{
    if (!m_modul.FilterSpareParts(productNumber))
        return;
    m_kind->hide();
    m_kindLabel->hide();
    m_back->show();
    reloadGrid();
}

void TArtikelVerwaltForm::back()
{
    m_back->hide();
    m_kind->show();
    m_kindLabel->show();
    const QSignalBlocker blocker(m_kind);
    m_kind->setCurrentIndex(0);
    m_modul.setKindSelection(KindTable::kAll);
    reloadGrid();
}

void TArtikelVerwaltForm::fullText()
{
    TVolltextForm search(m_modul, this);
    if (search.exec() == QDialog::Accepted && !search.chosen().isEmpty() && m_modul.locate(search.chosen()))
        showCurrent();
}

QString TArtikelVerwaltForm::counterText() const
{
    return QStringLiteral("Datenbankzähler: %1").arg(m_modul.recordCount());
}

void TArtikelVerwaltForm::showCounter()
{
    m_ui.information(counterText());
}

void TArtikelVerwaltForm::printList(bool stock)
{
    TWelcheArtikelForm range(m_modul.current() ? m_modul.current()->lNr : QString(), this);
    const int answer = range.exec();
    if (answer == QDialog::Rejected)
        return;
    const ReportDocument document = ArticleListReport::viewDocument(
        m_modul, range.fromEdit()->text(), range.toEdit()->text(), answer == TWelcheArtikelForm::All, stock);
    ReportPreview::show(document, m_ui, this);
}

void TArtikelVerwaltForm::importArticles()
{
    if (!m_importer) {
        notYet(QStringLiteral("Das Einlesen der Artikeldatei"));
        return;
    }
    m_importer(this);
    m_modul.refresh();
    reloadGrid();
}

void TArtikelVerwaltForm::notYet(const QString& what)
{
    m_ui.information(what + QStringLiteral(" ist in dieser Ausgabe noch nicht verfügbar."));
}

void TArtikelVerwaltForm::takeChoice()
{
    if (!isChooser())
        return;
    if (m_grid->currentIndex().isValid())
        m_modul.setCurrentRow(m_grid->currentIndex().row());
    m_choice = m_chooser->choose();
    if (m_choice)
        accept();
}

void TArtikelVerwaltForm::cancelChoice()
{
    m_choice.reset();
    reject();
}

bool TArtikelVerwaltForm::handleKey(QKeyEvent* event)
{
    if (isChooser() && ArticleChooser::isCancelKey(event->text())) {
        cancelChoice();
        return true;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        isChooser() ? takeChoice() : editCurrent();
        return true;
    }
    return false;
}

bool TArtikelVerwaltForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TArtikelVerwaltForm::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        if (isChooser())
            m_returned = m_chooser->close();
        else
            m_modul.closeWindow();
    }
    QDialog::done(result);
}

void TArtikelVerwaltForm::resizeEvent(QResizeEvent* event)
{
    if (!isChooser())
        setWindowTitle(QStringLiteral("Vorlix-Soft - ") + m_programTitle +
                       QStringLiteral(" Artikelverwaltung"));
    QDialog::resizeEvent(event);
}

} // namespace korbelant
