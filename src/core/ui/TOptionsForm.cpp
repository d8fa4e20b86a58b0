#include "core/ui/TOptionsForm.h"

#include "core/CurrencyState.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/DriveMap.h"
#include "core/GermanFormat.h"
#include "core/OptionDef.h"
#include "core/StarPlanTable.h"
#include "core/UiPort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const QString kPfadChoice = QStringLiteral("Pfad:");

QString fromUtf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

QString bandText(double value)
{
    const bool whole = value == static_cast<double>(static_cast<qint64>(value));
    return GermanFormat::number(value, whole ? 0 : 2);
}

} // namespace

TOptionsForm::TOptionsForm(DataSet& set, UiPort& ui, QWidget* parent) : QDialog(parent), m_set(set), m_ui(ui)
{
    setObjectName(QStringLiteral("TOptionsForm"));
    setWindowTitle(QStringLiteral("Korbelant - Optionen"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("Pages"));
    layout->addWidget(m_pages);

    buildPathsPage();
    addPage(QStringLiteral("BZH - Schnittstelle"),
            {{"NURAKTIV", nullptr, "Nur aktive Artikel in die Bestellung übernehmen", false},
             {"AppendArtikel", nullptr, "Lagerdatei ersetzen (alte Artikel gehen verloren)", false},
             {"GGAdress", nullptr, "Gastgeber(innen) Adressen übergeben", false},
             {"Boot", nullptr, "Bootsektorprüfung übergehen", false},
             {"VORAB", nullptr, "Als Vorab gekennzeichnete Artikel zur Sterneberechnung heranziehen.", false},
             {"bzh_old", nullptr, "Alte Schnittstelle (Version 1.0) verwenden.", false}});
    addPage(QStringLiteral("Allgemein"),
            {{"Gruppen_NR", "Gruppen-Nr. :", nullptr, false},
             {"Berater", "In Berichten Berater statt Beraterin :", "Berater", false},
             {"K_NR", "Kunden-Nr. Beraterin :", nullptr, false},
             {"BNR", "Beraterin-Nr. :", nullptr, false},
             {"Datum", "Letzte wöchentliche Datenbanksicherung :", nullptr, false},
             {"FirstTime", nullptr, "FirstTime", true}});
    buildExtrasPage();
    buildEuroPage();
    buildStarsPage();
    addPage(QStringLiteral("Texte"), {{"AuslZeile1", "Erste Zeile:", nullptr, false},
                                      {"AuslZeile2", "Zweite Zeile:", nullptr, false}});
    QWidget* mail = addPage(QStringLiteral("Email"),
                            {{"BeraterEmail", "Ihre Email-Adresse:", nullptr, false},
                             {"AddBerater", nullptr, "Eigene Adresse in Maillisten anfügen.", false},
                             {"BCC", nullptr, "Mails als BCC verschicken. ", false}});
    formOf(mail)->addRow(new QLabel(QStringLiteral("(Empfänger kann keine fremden Adressen lesen)"), mail));
    buildArticlesPage();
    buildButtons(layout);

    connect(edit(QStringLiteral("Gruppen_NR")), &QLineEdit::textChanged, this,
            &TOptionsForm::groupNumberChanged);
    connect(check(QStringLiteral("Berater")), &QCheckBox::toggled, this,
            [this] { emit consultantLabelChanged(consultantLabel()); });
}

QFormLayout* TOptionsForm::formOf(QWidget* page) const
{
    return page->findChild<QFormLayout*>();
}

QWidget* TOptionsForm::controlFor(const Row& row, QWidget* page)
{
    const QString key = fromUtf8(row.key);
    const OptionDef* def = OptionDef::find(key);
    QWidget* control = nullptr;
    if (def && def->kind == OptionDef::Kind::Check)
        control = new QCheckBox(fromUtf8(row.caption), page);
    else
        control = new QLineEdit(page);
    control->setObjectName(key);
    return control;
}

QWidget* TOptionsForm::addPage(const QString& title, const std::initializer_list<Row>& rows)
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(title);
    auto* outer = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    outer->addStretch();
    for (const Row& row : rows) {
        QWidget* control = controlFor(row, page);
        if (row.label)
            form->addRow(fromUtf8(row.label), control);
        else
            form->addRow(control);
        if (row.hidden)
            form->setRowVisible(control, false);
    }
    m_pages->addTab(page, title);
    return page;
}

void TOptionsForm::buildPathsPage()
{
    QWidget* page = addPage(QStringLiteral("Pfadeinstellungen"),
                            {{"Dospfad", "Pfad für Korbelant : (DOS)", nullptr, false},
                             {"ZKPfad", "Pfad für Zirkel :", nullptr, false}});
    QFormLayout* form = formOf(page);

    // The drive of the distributor's disk, with the directory beside it for "Pfad:".
    auto* driveRow = new QHBoxLayout;
    m_bzhDrive = new QComboBox(page);
    m_bzhDrive->setObjectName(QStringLiteral("BZHDRIVE"));
    m_bzhDrive->addItems({QStringLiteral("a"), QStringLiteral("b"), kPfadChoice});
    auto* bzhPath = new QLineEdit(page);
    bzhPath->setObjectName(QStringLiteral("BZHPFAD"));
    driveRow->addWidget(m_bzhDrive);
    driveRow->addWidget(bzhPath, 1);
    form->insertRow(1, QStringLiteral("Laufwerk für BZH - Disk :"), driveRow);
    connect(m_bzhDrive, &QComboBox::currentTextChanged, this, &TOptionsForm::updatePathEnabled);

    m_programPath = new QLabel(m_set.home().root(), page);
    m_programPath->setObjectName(QStringLiteral("ProgrammPfad"));
    m_programPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QStringLiteral("Programm - Pfad :"), m_programPath);

    m_driveBox = new QComboBox(page);
    m_driveBox->setObjectName(QStringLiteral("DriveBox"));
    for (const QString& letter : DriveMap::drives())
        m_driveBox->addItem(letter + QLatin1Char(':'), letter);
    m_directoryModel = new QFileSystemModel(this);
    m_directoryModel->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_directories = new QTreeView(page);
    m_directories->setObjectName(QStringLiteral("DirectoryList"));
    m_directories->setModel(m_directoryModel);
    for (int column = 1; column < m_directoryModel->columnCount(); ++column)
        m_directories->hideColumn(column);
    m_directories->header()->hide();
    form->addRow(m_driveBox);
    form->addRow(m_directories);

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
    m_directories->setRootIndex(
        m_directoryModel->setRootPath(DriveMap(m_set.options()).directoryOf(QStringLiteral("c"))));
    m_directories->setCurrentIndex(m_directoryModel->index(m_set.home().root()));
    connect(m_driveBox, &QComboBox::currentIndexChanged, this, &TOptionsForm::driveChosen);
}

void TOptionsForm::buildExtrasPage()
{
    QWidget* page = addPage(QStringLiteral("Zubehör"),
                            {{"Geburtstage", nullptr, "Geburtstage im Termininfofenster melden", false},
                             {"Vorfuehrungen", nullptr, "Vorführungen im Termininfofenster melden", false},
                             {"NewGuestAktiv", nullptr, "NewGuestAktiv", true},
                             {"NewGuestInAktiv", nullptr, "NewGuestInAktiv", true},
                             {"TWZ", nullptr, "TW", true}});
    auto* row = new QHBoxLayout;
    auto* wordPath = new QLineEdit(page);
    wordPath->setObjectName(QStringLiteral("WordPfad"));
    auto* browse = new QPushButton(QStringLiteral("..."), page);
    browse->setObjectName(QStringLiteral("WordPfadButton"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TOptionsForm::chooseWordProcessor);
    row->addWidget(wordPath, 1);
    row->addWidget(browse);
    formOf(page)->insertRow(0, QStringLiteral("Textverarbeitung :"), row);
}

void TOptionsForm::buildEuroPage()
{
    QWidget* page =
        addPage(QStringLiteral("Euro"), {{"Artikel", nullptr, "Artikellisten", false},
                                         {"Auslief", nullptr, "Auslieferungslisten", false},
                                         {"Gaeste", nullptr, "Tupperbörse", false},
                                         {"Euro", nullptr, "Euro", true},
                                         {"ArtikelEuro", nullptr, "ArtikelEuro", true},
                                         {"Info", nullptr, "Beim nächsten Start Infofenster zeigen", false}});
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

void TOptionsForm::buildStarsPage()
{
    QWidget* page = addPage(QStringLiteral("Sterne"), {{"Weeks", "Berücksichtigte Wochen:", nullptr, false},
                                                       {"OneVerabred", "Eine Verabredung :", nullptr, false},
                                                       {"TwoVerabred", "Zwei oder mehr:", nullptr, false},
                                                       {"SIntS", "Sterne für Intervall :", nullptr, false},
                                                       {"SInt", "Betrag für Intervall :", nullptr, false}});
    m_bands = new QTableWidget(0, 3, page);
    m_bands->setObjectName(QStringLiteral("SternePlan"));
    m_bands->setHorizontalHeaderLabels(
        {QStringLiteral("von"), QStringLiteral("bis"), QStringLiteral("Sterne")});
    m_bands->verticalHeader()->hide();
    connect(m_bands, &QTableWidget::itemChanged, this, &TOptionsForm::bandEdited);
    formOf(page)->addRow(m_bands);
}

void TOptionsForm::buildArticlesPage()
{
    QWidget* page = addPage(QStringLiteral("Artikel/Bestellung"),
                            {{"vorgabe_va", "Vorgabe für Vorgangsart:", nullptr, false},
                             {"c_VAG", nullptr, "Warnen wenn kein VAG eingetragen ist?", false}});
    QFormLayout* form = formOf(page);
    const struct
    {
        const char* label;
        const char* minKey;
        const char* maxKey;
    } lengths[] = {{"Vorgabe für Artikelnummer:", "min_length_L_NR", "max_length_L_NR"},
                   {"Vorgabe für Bestellnummer:", "min_length_Z_NR", "max_length_Z_NR"}};
    int position = 0;
    for (const auto& length : lengths) {
        auto* row = new QHBoxLayout;
        for (const auto& [caption, key] :
             {std::pair{"min:", length.minKey}, std::pair{"max:", length.maxKey}}) {
            auto* field = new QLineEdit(page);
            field->setObjectName(QString::fromLatin1(key));
            row->addWidget(new QLabel(QString::fromUtf8(caption), page));
            row->addWidget(field);
        }
        form->insertRow(position++, QString::fromUtf8(length.label), row);
    }
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
    edit(QStringLiteral("BZHPFAD"))->setEnabled(m_bzhDrive->currentText() == kPfadChoice);
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
    StarPlanTable plan(m_set.db());
    std::vector<StarPlanTable::Band> bands;
    try {
        bands = plan.bands();
        if (!bands.empty()) {
            const StarPlanTable::Singles singles = plan.singles();
            edit(QStringLiteral("OneVerabred"))->setText(singles.oneAppointment);
            edit(QStringLiteral("TwoVerabred"))->setText(singles.twoAppointments);
            edit(QStringLiteral("SInt"))->setText(singles.intervalAmount);
            edit(QStringLiteral("SIntS"))->setText(singles.intervalStars);
        }
    } catch (const DatabaseError& e) {
        m_set.log().LogException(e.message(), true);
    }
    m_loadingBands = true;
    m_bands->setRowCount(0);
    for (const StarPlanTable::Band& band : bands) {
        const int row = m_bands->rowCount();
        m_bands->insertRow(row);
        const QString texts[] = {bandText(band.from), bandText(band.to), QString::number(band.stars)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::UserRole, texts[column]);
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
    const bool valid = text.isEmpty() || GermanFormat::parseAmount(text).has_value();
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
    std::vector<StarPlanTable::Band> bands;
    for (int row = 0; row < m_bands->rowCount(); ++row) {
        const auto cell = [&](int column) {
            return m_bands->item(row, column) ? m_bands->item(row, column)->text().trimmed() : QString();
        };
        if (cell(0).isEmpty() && cell(1).isEmpty() && cell(2).isEmpty())
            continue;
        bands.push_back({GermanFormat::parseAmount(cell(0)).value_or(0),
                         GermanFormat::parseAmount(cell(1)).value_or(0),
                         static_cast<int>(GermanFormat::parseAmount(cell(2)).value_or(0))});
    }
    StarPlanTable plan(m_set.db());
    try {
        plan.saveBands(bands);
    } catch (const DatabaseError& e) {
        m_set.log().LogException(e.message(), true);
    }
    plan.writeSingles({edit(QStringLiteral("OneVerabred"))->text(),
                       edit(QStringLiteral("TwoVerabred"))->text(), edit(QStringLiteral("SInt"))->text(),
                       edit(QStringLiteral("SIntS"))->text()});
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
