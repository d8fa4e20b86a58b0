#include "app/TOptionsForm.h"

#include "core/CurrencyState.h"
#include "core/DataSet.h"
#include "core/DriveMap.h"
#include "core/LastBackup.h"
#include "core/OptionDef.h"
#include "core/StarPlan.h"
#include "core/UiPort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const QSize kStandardSize(720, 560);
const int kPageSpacing = 3; // between the names of the pages

// In a row of several controls a text field without a small text of its own takes the rest.
int stretchInRow(const OptionDef& def)
{
    return def.kind == OptionDef::Kind::Text && def.caption.isEmpty() ? 1 : 0;
}

} // namespace

TOptionsForm::TOptionsForm(DataSet& set, UiPort& ui, QWidget* parent) : QDialog(parent), m_set(set), m_ui(ui)
{
    setObjectName(QStringLiteral("TOptionsForm"));
    setWindowTitle(QStringLiteral("Korbelant - Optionen"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* pagesRow = new QHBoxLayout;
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Pages"));
    for (const QString& title : OptionDef::pages())
        addPage(title);
    addPageList(pagesRow);
    pagesRow->addWidget(m_pages, 1);
    layout->addLayout(pagesRow, 1);
    buildButtons(layout);
    resize(kStandardSize);

    m_bzhDrive = findChild<QComboBox*>(QStringLiteral("BZHDRIVE"));
    connect(m_bzhDrive, &QComboBox::currentTextChanged, this, &TOptionsForm::updatePathEnabled);
    connect(edit(QStringLiteral("Gruppen_NR")), &QLineEdit::textChanged, this,
            &TOptionsForm::groupNumberChanged);
    connect(check(QStringLiteral("Berater")), &QCheckBox::toggled, this,
            [this] { emit consultantLabelChanged(consultantLabel()); });
}

QFormLayout* TOptionsForm::formOf(QWidget* page) const
{
    return page->findChild<QFormLayout*>();
}

std::vector<TOptionsForm::Row> TOptionsForm::rowsOf(const QString& page)
{
    std::vector<Row> rows;
    for (const OptionDef* def : OptionDef::onPage(page)) {
        if (def->besidePrevious && !rows.empty())
            rows.back().options.push_back(def);
        else
            rows.push_back(Row{{def}, {}});
    }
    return rows;
}

QWidget* TOptionsForm::controlFor(const OptionDef& def, QWidget* page)
{
    QWidget* control = nullptr;
    if (def.kind == OptionDef::Kind::Check) {
        control = new QCheckBox(def.caption, page);
    } else if (def.kind == OptionDef::Kind::Choice) {
        auto* choice = new QComboBox(page);
        choice->addItems(def.choices);
        control = choice;
    } else {
        control = new QLineEdit(page);
    }
    control->setObjectName(def.key);
    return control;
}

bool TOptionsForm::hasChooser(const Row& row)
{
    return row.options.front()->key == QStringLiteral("WordPfad");
}

void TOptionsForm::addPage(const QString& title)
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(title);
    auto* outer = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    outer->addStretch();

    std::vector<Row> rows = rowsOf(title);
    // The keyboard goes through the rows of one control first, then through those of several.
    for (const bool shared : {false, true}) {
        for (Row& row : rows) {
            if ((row.options.size() > 1 || hasChooser(row)) == shared)
                createControls(row, page);
        }
    }
    for (const Row& row : rows)
        layOut(row, page, form);

    if (title == OptionDef::kPathsPage)
        addDrives(page);
    else if (title == OptionDef::kGeneralPage)
        addBackupDate(page);
    else if (title == OptionDef::kEuroPage)
        addCurrency(page);
    else if (title == OptionDef::kStarsPage)
        addStarPlan(page);
    m_pages->addWidget(page);
}

// The page names one below the other, the list as wide as the longest of them.
void TOptionsForm::addPageList(QHBoxLayout* layout)
{
    m_pageList = new QListWidget(this);
    m_pageList->setObjectName(QStringLiteral("PageList"));
    m_pageList->addItems(OptionDef::pages());
    m_pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageList->setSpacing(kPageSpacing);
    m_pageList->setFixedWidth(m_pageList->sizeHintForColumn(0) +
                              2 * (m_pageList->frameWidth() + kPageSpacing) +
                              m_pageList->fontMetrics().averageCharWidth() * 2);
    connect(m_pageList, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_pageList->setCurrentRow(0);
    layout->addWidget(m_pageList);
}

void TOptionsForm::createControls(Row& row, QWidget* page)
{
    for (const OptionDef* def : row.options)
        row.controls.push_back(controlFor(*def, page));
    if (hasChooser(row))
        row.controls.push_back(wordProcessorButton(page));
}

void TOptionsForm::layOut(const Row& row, QWidget* page, QFormLayout* form)
{
    const OptionDef& first = *row.options.front();
    if (row.controls.size() > 1) {
        form->addRow(first.label, lineOf(row, page));
    } else {
        QWidget* control = row.controls.front();
        if (first.label.isEmpty())
            form->addRow(control);
        else
            form->addRow(first.label, control);
        if (first.hidden)
            form->setRowVisible(control, false);
    }
    for (const OptionDef* def : row.options) {
        if (!def->note.isEmpty())
            form->addRow(new QLabel(def->note, page));
    }
}

QHBoxLayout* TOptionsForm::lineOf(const Row& row, QWidget* page)
{
    auto* line = new QHBoxLayout;
    for (size_t i = 0; i < row.controls.size(); ++i) {
        const OptionDef* def = i < row.options.size() ? row.options[i] : nullptr;
        if (def && def->kind != OptionDef::Kind::Check && !def->caption.isEmpty())
            line->addWidget(new QLabel(def->caption, page));
        line->addWidget(row.controls[i], def ? stretchInRow(*def) : 0);
    }
    return line;
}

QWidget* TOptionsForm::wordProcessorButton(QWidget* page)
{
    auto* browse = new QPushButton(QStringLiteral("..."), page);
    browse->setObjectName(QStringLiteral("WordPfadButton"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TOptionsForm::chooseWordProcessor);
    return browse;
}

void TOptionsForm::addDrives(QWidget* page)
{
    QFormLayout* form = formOf(page);
    m_dataHome = new QLabel(m_set.home().root(), page);
    m_dataHome->setObjectName(QStringLiteral("Datenverzeichnis"));
    m_dataHome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QStringLiteral("Datenverzeichnis :"), m_dataHome);

    m_driveBox = new QComboBox(page);
    m_driveBox->setObjectName(QStringLiteral("DriveBox"));
    for (const QString& letter : DriveMap::drives())
        m_driveBox->addItem(letter + QLatin1Char(':'), letter);
    form->addRow(m_driveBox);
    addDirectoryTree(page);

    auto* copyRow = new QHBoxLayout;
    const std::pair<const char*, const char*> targets[] = {{"Dospfad", "Als DOS-Pfad übernehmen"},
                                                           {"ZKPfad", "Als Zirkel-Pfad übernehmen"},
                                                           {"BZHPFAD", "Als BZH-Pfad übernehmen"}};
    for (const auto& [key, caption] : targets) {
        auto* button = new QPushButton(QString::fromUtf8(caption), page);
        button->setObjectName(QStringLiteral("Copy") + QString::fromLatin1(key));
        button->setAutoDefault(false);
        const QString target = QString::fromLatin1(key);
        connect(button, &QPushButton::clicked, this, [this, target] { copyDirectoryTo(target); });
        copyRow->addWidget(button);
    }
    form->addRow(copyRow);

    m_currentDrive = static_cast<int>(DriveMap::drives().indexOf(QStringLiteral("c")));
    m_driveBox->setCurrentIndex(m_currentDrive);
    connect(m_driveBox, &QComboBox::currentIndexChanged, this, &TOptionsForm::driveChosen);
}

// The folders below the user's home directory, the data home chosen when it lies there.
void TOptionsForm::addDirectoryTree(QWidget* page)
{
    m_directoryModel = new QFileSystemModel(this);
    m_directoryModel->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_directories = new QTreeView(page);
    m_directories->setObjectName(QStringLiteral("DirectoryList"));
    m_directories->setModel(m_directoryModel);
    for (int column = 1; column < m_directoryModel->columnCount(); ++column)
        m_directories->hideColumn(column);
    m_directories->header()->hide();
    formOf(page)->addRow(m_directories);
    m_directories->setRootIndex(m_directoryModel->setRootPath(QDir::homePath()));
    m_directories->setCurrentIndex(m_directoryModel->index(m_set.home().root()));
}

// The day of the newest backup in DBSicher/ stands where the option Datum would; the option
// keeps its value for the weekly run, out of sight.
void TOptionsForm::addBackupDate(QWidget* page)
{
    QLineEdit* option = edit(QStringLiteral("Datum"));
    QFormLayout* form = formOf(page);
    int row = -1;
    QFormLayout::ItemRole role{};
    form->getWidgetPosition(option, &row, &role);
    m_lastBackup = new QLabel(page);
    m_lastBackup->setObjectName(QStringLiteral("LetzteSicherung"));
    form->insertRow(row + 1, OptionDef::find(QStringLiteral("Datum"))->label, m_lastBackup);
    form->setRowVisible(option, false);
}

void TOptionsForm::addCurrency(QWidget* page)
{
    QFormLayout* form = formOf(page);
    m_currency = new QLabel(page);
    m_currency->setObjectName(QStringLiteral("AktuelleWaehrung"));
    form->addRow(QStringLiteral("Aktuelle Währung :"), m_currency);
    m_protocol = new QPlainTextEdit(page);
    m_protocol->setObjectName(QStringLiteral("Protokoll"));
    m_protocol->setReadOnly(true);
    form->addRow(new QLabel(QStringLiteral("Protokoll der Umrechnung :"), page));
    form->addRow(m_protocol);
}

void TOptionsForm::addStarPlan(QWidget* page)
{
    m_bands = new QTableWidget(0, 3, page);
    m_bands->setObjectName(QStringLiteral("SternePlan"));
    m_bands->setHorizontalHeaderLabels(
        {QStringLiteral("von"), QStringLiteral("bis"), QStringLiteral("Sterne")});
    m_bands->verticalHeader()->hide();
    connect(m_bands, &QTableWidget::itemChanged, this, &TOptionsForm::bandEdited);
    formOf(page)->addRow(m_bands);
}

void TOptionsForm::buildButtons(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setToolTip(QStringLiteral("Einstellungen übernehmen"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TOptionsForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
}

QLineEdit* TOptionsForm::edit(const QString& key) const
{
    return findChild<QLineEdit*>(key);
}

QCheckBox* TOptionsForm::check(const QString& key) const
{
    return findChild<QCheckBox*>(key);
}

QString TOptionsForm::consultantLabel() const
{
    return check(QStringLiteral("Berater"))->isChecked() ? QStringLiteral("Berater")
                                                         : QStringLiteral("Beraterin");
}

int TOptionsForm::execute()
{
    return exec();
}

void TOptionsForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        refresh();
}

void TOptionsForm::refresh()
{
    m_set.options().LoadOptions();
    loadCurrency();
    loadControls();
    loadStarPlan();
    m_lastBackup->setText(LastBackup::shown(m_set.home()));
    emitImmediateEffects();
}

void TOptionsForm::LoadOptions()
{
    m_set.options().LoadOptions();
    loadControls();
}

bool TOptionsForm::SaveOptions()
{
    storeControls();
    return m_set.options().SaveOptions();
}

void TOptionsForm::loadControls()
{
    const Options& options = m_set.options();
    for (const OptionDef& def : OptionDef::all()) {
        if (QCheckBox* box = check(def.key)) {
            box->setChecked(options.checked(def.key));
        } else if (QLineEdit* field = edit(def.key)) {
            field->setText(options.text(def.key));
        } else if (auto* choice = findChild<QComboBox*>(def.key)) {
            const QString value = options.text(def.key);
            int index = value.isEmpty() ? -1 : choice->findText(value, Qt::MatchFixedString);
            if (index < 0 && !value.isEmpty()) {
                choice->addItem(value);
                index = choice->count() - 1;
            }
            choice->setCurrentIndex(index);
        }
    }
    updatePathEnabled();
}

void TOptionsForm::storeControls()
{
    Options& options = m_set.options();
    for (const OptionDef& def : OptionDef::all()) {
        if (QCheckBox* box = check(def.key))
            options.setChecked(def.key, box->isChecked());
        else if (QLineEdit* field = edit(def.key))
            options.setText(def.key, field->text());
        else if (auto* choice = findChild<QComboBox*>(def.key))
            options.setText(def.key, choice->currentText());
    }
}

void TOptionsForm::emitImmediateEffects()
{
    emit groupNumberChanged(edit(QStringLiteral("Gruppen_NR"))->text());
    emit consultantLabelChanged(consultantLabel());
}

void TOptionsForm::updatePathEnabled()
{
    edit(QStringLiteral("BZHPFAD"))->setEnabled(m_bzhDrive->currentText() == OptionDef::kPathChoice);
}

void TOptionsForm::loadCurrency()
{
    const QDate today = m_today.isValid() ? m_today : QDate::currentDate();
    const auto currency =
        CurrencyState::determine(m_set.home(), m_set.options(), m_ui, m_set.firstStart(), today);
    m_currency->setText(CurrencyState::displayName(currency));
    m_protocol->setPlainText(CurrencyState::protocol(m_set.home()));
}

void TOptionsForm::loadStarPlan()
{
    const StarPlan::Sheet sheet = StarPlan(m_set.db()).readSheet(m_set.log());
    if (sheet.singles) {
        edit(QStringLiteral("OneVerabred"))->setText(sheet.singles->oneAppointment);
        edit(QStringLiteral("TwoVerabred"))->setText(sheet.singles->twoAppointments);
        edit(QStringLiteral("SInt"))->setText(sheet.singles->intervalAmount);
        edit(QStringLiteral("SIntS"))->setText(sheet.singles->intervalStars);
    }
    m_loadingBands = true;
    m_bands->setRowCount(0);
    for (const StarPlan::BandCells& band : sheet.bands) {
        const int row = m_bands->rowCount();
        m_bands->insertRow(row);
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(band[column]);
            item->setData(Qt::UserRole, band[column]);
            m_bands->setItem(row, column, item);
        }
    }
    m_loadingBands = false;
    addBlankBandRow();
}

void TOptionsForm::addBlankBandRow()
{
    m_loadingBands = true;
    const int row = m_bands->rowCount();
    m_bands->insertRow(row);
    for (int column = 0; column < 3; ++column) {
        auto* item = new QTableWidgetItem;
        item->setData(Qt::UserRole, QString());
        m_bands->setItem(row, column, item);
    }
    m_loadingBands = false;
}

// A band takes numbers only: anything else is put back to what the cell held. Filling the
// blank last row opens a new one.
void TOptionsForm::bandEdited(QTableWidgetItem* item)
{
    if (m_loadingBands)
        return;
    const QString text = item->text().trimmed();
    const bool valid = StarPlan::acceptsCell(text);
    m_loadingBands = true;
    if (valid)
        item->setData(Qt::UserRole, text);
    else
        item->setText(item->data(Qt::UserRole).toString());
    m_loadingBands = false;
    if (valid && !text.isEmpty() && item->row() == m_bands->rowCount() - 1)
        addBlankBandRow();
}

void TOptionsForm::writeStarPlan()
{
    std::vector<StarPlan::BandCells> cells;
    for (int row = 0; row < m_bands->rowCount(); ++row) {
        StarPlan::BandCells band;
        for (int column = 0; column < 3; ++column) {
            if (const QTableWidgetItem* item = m_bands->item(row, column))
                band[column] = item->text();
        }
        cells.push_back(band);
    }
    StarPlan(m_set.db())
        .writeSheet(cells,
                    {edit(QStringLiteral("OneVerabred"))->text(), edit(QStringLiteral("TwoVerabred"))->text(),
                     edit(QStringLiteral("SInt"))->text(), edit(QStringLiteral("SIntS"))->text()},
                    m_set.log());
}

void TOptionsForm::done(int result)
{
    // The star plan follows the window whichever way it is closed; a refusal is ignored.
    writeStarPlan();
    QDialog::done(result);
}

void TOptionsForm::OkButtonClick()
{
    if (!SaveOptions()) {
        m_ui.error(QStringLiteral("Die Optionen konnten nicht in %1 gespeichert werden.")
                       .arg(m_set.home().optionsFile()));
        return;
    }
    accept();
}

void TOptionsForm::chooseWordProcessor()
{
    QLineEdit* field = edit(QStringLiteral("WordPfad"));
    const QString chosen =
        m_ui.chooseFile(QStringLiteral("Textverarbeitung auswählen"), QFileInfo(field->text()).path(),
                        QStringLiteral("Programme (*)"), false);
    if (!chosen.isEmpty())
        field->setText(chosen);
}

void TOptionsForm::copyDirectoryTo(const QString& key)
{
    const QModelIndex current = m_directories->currentIndex();
    const QString directory =
        current.isValid() ? m_directoryModel->filePath(current) : m_directoryModel->rootPath();
    edit(key)->setText(DriveMap::withTrailingSeparator(directory));
}

void TOptionsForm::driveChosen(int index)
{
    const QString letter = m_driveBox->itemData(index).toString();
    const auto restore = [this] {
        const QSignalBlocker block(m_driveBox);
        m_driveBox->setCurrentIndex(m_currentDrive);
    };
    try {
        const DriveMap drives(m_set.options());
        const DriveMap::Check ready = drives.check(letter);
        if (ready.state != DriveMap::State::Ready) {
            m_ui.warning(ready.message);
            restore();
            return;
        }
        const QString root = drives.directoryOf(letter);
        m_directories->setRootIndex(m_directoryModel->setRootPath(root));
        m_directories->setCurrentIndex(QModelIndex());
        m_currentDrive = index;
    } catch (const std::exception&) {
        m_ui.error(QStringLiteral("EInOutERROR"));
        restore();
    }
}

} // namespace korbelant
