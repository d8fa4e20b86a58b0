#include "app/TOptionsForm.h"

#include "core/DataSet.h"
#include "core/DatabaseBackup.h"
#include "core/IniFile.h"
#include "core/OptionDef.h"
#include "core/Options.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace korbelant {
namespace {

class OptionsFormTest : public ::testing::Test
{
protected:
    test::TempHome home;
    std::unique_ptr<DataSet> set;
    ScriptedUi ui;

    void SetUp() override
    {
        writeFile(home.home().statusFile(), "euro\r\nUmgestellt am 01.01.2002\r\n");
        set = DataSet::open(home.home());
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QByteArray iniBytes() const
    {
        QFile file(home.home().optionsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString stored(const QString& key) const
    {
        IniFile file(home.home().optionsFile());
        file.load();
        return file.value(Options::kSection, key);
    }

    template <typename T> static T* control(TOptionsForm& form, const char* name)
    {
        T* found = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(OptionsFormTest, OkSavesEveryControlAndKeepsUnknownKeys)
{
    IniFile file(home.home().optionsFile());
    file.load();
    file.setValue(Options::kSection, QStringLiteral("SpaeteresFeld"), QStringLiteral("bleibt"));
    file.setValue(QStringLiteral("TNewGuestForm"), QStringLiteral("Left"), QStringLiteral("10"));
    ASSERT_TRUE(file.save());

    TOptionsForm form(*set, ui);
    form.show();
    control<QLineEdit>(form, "Gruppen_NR")->setText(QStringLiteral("4711"));
    control<QCheckBox>(form, "Berater")->setChecked(true);
    control<QCheckBox>(form, "GGAdress")->setChecked(false);
    control<QComboBox>(form, "BZHDRIVE")->setCurrentText(QStringLiteral("Pfad:"));
    control<QLineEdit>(form, "BZHPFAD")->setText(QStringLiteral("/srv/bzh/"));
    control<QLineEdit>(form, "min_length_L_NR")->setText(QStringLiteral("5"));
    QTest::mouseClick(control<QPushButton>(form, "OkButton"), Qt::LeftButton);

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(stored(QStringLiteral("Gruppen_NR")), QStringLiteral("4711"));
    EXPECT_EQ(stored(QStringLiteral("Berater")), QStringLiteral("-1"));
    EXPECT_EQ(stored(QStringLiteral("GGAdress")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("BZHDRIVE")), QStringLiteral("Pfad:"));
    EXPECT_EQ(stored(QStringLiteral("BZHPFAD")), QStringLiteral("/srv/bzh/"));
    EXPECT_EQ(stored(QStringLiteral("min_length_L_NR")), QStringLiteral("5"));
    EXPECT_EQ(stored(QStringLiteral("SpaeteresFeld")), QStringLiteral("bleibt"));
    IniFile reread(home.home().optionsFile());
    reread.load();
    EXPECT_EQ(reread.value(QStringLiteral("TNewGuestForm"), QStringLiteral("Left")), QStringLiteral("10"));
    EXPECT_EQ(set->options().text(QStringLiteral("Gruppen_NR")), QStringLiteral("4711"));
}

TEST_F(OptionsFormTest, CancelLeavesTheFileAsItWas)
{
    TOptionsForm form(*set, ui);
    form.show();
    const QByteArray before = iniBytes();
    control<QLineEdit>(form, "Gruppen_NR")->setText(QStringLiteral("9999"));
    control<QCheckBox>(form, "Info")->setChecked(!control<QCheckBox>(form, "Info")->isChecked());
    QTest::mouseClick(control<QPushButton>(form, "CancelButton"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(iniBytes(), before);
    EXPECT_NE(set->options().text(QStringLiteral("Gruppen_NR")), QStringLiteral("9999"));
}

TEST_F(OptionsFormTest, LoadsOnEveryShowWithCheckedOnlyForMinusOne)
{
    IniFile file(home.home().optionsFile());
    file.load();
    file.setValue(Options::kSection, QStringLiteral("Info"), QStringLiteral("1"));
    file.setValue(Options::kSection, QStringLiteral("BCC"), QStringLiteral("-1"));
    file.setValue(Options::kSection, QStringLiteral("Weeks"), QString());
    file.setValue(Options::kSection, QStringLiteral("BZHDRIVE"), QStringLiteral("b"));
    ASSERT_TRUE(file.save());

    TOptionsForm form(*set, ui);
    form.show();
    EXPECT_FALSE(control<QCheckBox>(form, "Info")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(form, "BCC")->isChecked());
    EXPECT_EQ(control<QLineEdit>(form, "Weeks")->text(), QStringLiteral("5"));
    EXPECT_FALSE(control<QLineEdit>(form, "BZHPFAD")->isEnabled());
    control<QComboBox>(form, "BZHDRIVE")->setCurrentText(QStringLiteral("Pfad:"));
    EXPECT_TRUE(control<QLineEdit>(form, "BZHPFAD")->isEnabled());
    control<QComboBox>(form, "BZHDRIVE")->setCurrentText(QStringLiteral("a"));
    EXPECT_FALSE(control<QLineEdit>(form, "BZHPFAD")->isEnabled());
    form.reject();

    // Changed on disk while hidden: the next show reads it again.
    file.load();
    file.setValue(Options::kSection, QStringLiteral("Gruppen_NR"), QStringLiteral("12"));
    ASSERT_TRUE(file.save());
    form.show();
    EXPECT_EQ(control<QLineEdit>(form, "Gruppen_NR")->text(), QStringLiteral("12"));
    EXPECT_EQ(control<QComboBox>(form, "BZHDRIVE")->currentText(), QStringLiteral("b"));
}

TEST_F(OptionsFormTest, CurrencyProgramPathAndImmediateEffects)
{
    TOptionsForm form(*set, ui);
    QSignalSpy groups(&form, &TOptionsForm::groupNumberChanged);
    QSignalSpy labels(&form, &TOptionsForm::consultantLabelChanged);
    form.show();
    EXPECT_EQ(control<QLabel>(form, "AktuelleWaehrung")->text(), QStringLiteral("Euro"));
    EXPECT_TRUE(control<QPlainTextEdit>(form, "Protokoll")
                    ->toPlainText()
                    .contains(QStringLiteral("Umgestellt am 01.01.2002")));
    EXPECT_EQ(control<QLabel>(form, "Datenverzeichnis")->text(), home.home().root());
    EXPECT_TRUE(set->options().checked(QStringLiteral("Euro")));

    control<QLineEdit>(form, "Gruppen_NR")->setText(QStringLiteral("77"));
    ASSERT_FALSE(groups.isEmpty());
    EXPECT_EQ(groups.last().at(0).toString(), QStringLiteral("77"));
    control<QCheckBox>(form, "Berater")->setChecked(true);
    EXPECT_EQ(labels.last().at(0).toString(), QStringLiteral("Berater"));
    control<QCheckBox>(form, "Berater")->setChecked(false);
    EXPECT_EQ(labels.last().at(0).toString(), QStringLiteral("Beraterin"));
}

// At the window's standard size every page is named whole in the list, and choosing a name shows
// its page.
TEST_F(OptionsFormTest, EveryPageIsNamedWholeAtTheStandardSize)
{
    TOptionsForm form(*set, ui);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* list = control<QListWidget>(form, "PageList");
    auto* pages = control<QStackedWidget>(form, "Pages");
    ASSERT_TRUE(list && pages);
    const QStringList titles = OptionDef::pages();
    ASSERT_EQ(list->count(), titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        QListWidgetItem* item = list->item(i);
        EXPECT_EQ(item->text(), titles.at(i));
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(item)))
            << titles.at(i).toStdString();
        EXPECT_LE(list->fontMetrics().horizontalAdvance(titles.at(i)), list->visualItemRect(item).width())
            << titles.at(i).toStdString();
        list->setCurrentItem(item);
        EXPECT_EQ(pages->currentWidget()->objectName(), titles.at(i));
    }
}

// The folder tree starts at the home directory; the last backup is the newest copy that lies in
// DBSicher/, whatever day the weekly run noted.
TEST_F(OptionsFormTest, DirectoryTreeAndTheBackupThatExists)
{
    set->options().setText(QStringLiteral("Datum"), QStringLiteral("01.12.2025"));
    ASSERT_TRUE(set->options().SaveOptions());
    TOptionsForm form(*set, ui);
    form.show();
    auto* tree = control<QTreeView>(form, "DirectoryList");
    const auto* model = qobject_cast<const QFileSystemModel*>(tree->model());
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->filePath(tree->rootIndex()), QDir::homePath());
    auto* lastBackup = control<QLabel>(form, "LetzteSicherung");
    EXPECT_EQ(lastBackup->text(), QStringLiteral("noch keine"));
    EXPECT_FALSE(control<QLineEdit>(form, "Datum")->isVisibleTo(&form));

    ASSERT_TRUE(DatabaseBackup(set->db(), home.home()).BackupDatabase().isEmpty());
    form.hide();
    form.show();
    EXPECT_EQ(lastBackup->text(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    control<QPushButton>(form, "OkButton")->click();
    EXPECT_EQ(stored(QStringLiteral("Datum")), QStringLiteral("01.12.2025")) << "the option keeps its day";
}

TEST_F(OptionsFormTest, StarPlanIsReadOnShowAndWrittenOnClose)
{
    Database& db = set->db();
    db.run(QStringLiteral("DELETE FROM SternePlan"));
    db.run(QStringLiteral("INSERT INTO SternePlan VALUES (0, 299.99, 0, 1, 2, 100, 1)"));
    db.run(QStringLiteral(
        "INSERT INTO SternePlan (SterneBetragMin, SterneBetragMax, Sterne) VALUES (300, 99999, 2)"));

    TOptionsForm form(*set, ui);
    form.show();
    EXPECT_EQ(control<QLineEdit>(form, "OneVerabred")->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLineEdit>(form, "SInt")->text(), QStringLiteral("100"));
    auto* grid = control<QTableWidget>(form, "SternePlan");
    ASSERT_EQ(grid->rowCount(), 3); // two bands and the blank row for a new one
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("299,99"));

    grid->item(1, 2)->setText(QStringLiteral("drei")); // not a number: put back
    EXPECT_EQ(grid->item(1, 2)->text(), QStringLiteral("2"));
    grid->item(1, 2)->setText(QStringLiteral("3"));
    grid->item(2, 0)->setText(QStringLiteral("100000"));
    grid->item(2, 2)->setText(QStringLiteral("4"));
    EXPECT_EQ(grid->rowCount(), 4);
    control<QLineEdit>(form, "OneVerabred")->setText(QStringLiteral("2"));
    form.reject(); // closing in any way writes the star plan back

    EXPECT_EQ(db.scalar(QStringLiteral("SELECT Verabredung1 FROM SternePlan ORDER BY rowid LIMIT 1")).toInt(),
              2);
    const auto stars = db.rows(QStringLiteral("SELECT Sterne FROM SternePlan ORDER BY rowid"));
    ASSERT_EQ(stars.size(), 3u);
    EXPECT_EQ(stars[1][0].toInt(), 3);
    EXPECT_EQ(stars[2][0].toInt(), 4);
}

TEST_F(OptionsFormTest, DriveCheckRestoresThePreviousDrive)
{
    IniFile file(home.home().optionsFile());
    file.load();
    file.setValue(Options::kSection, QStringLiteral("LaufwerkA"),
                  home.root() + QStringLiteral("/keine-diskette"));
    ASSERT_TRUE(file.save());

    TOptionsForm form(*set, ui);
    form.show();
    auto* drives = control<QComboBox>(form, "DriveBox");
    const int before = drives->currentIndex();
    drives->setCurrentIndex(drives->findData(QStringLiteral("a")));
    EXPECT_TRUE(ui.wasShown(QStringLiteral("Keine Diskette im Laufwerk a")));
    EXPECT_EQ(drives->currentIndex(), before);

    QTest::mouseClick(control<QPushButton>(form, "CopyZKPfad"), Qt::LeftButton);
    EXPECT_TRUE(control<QLineEdit>(form, "ZKPfad")->text().endsWith(QLatin1Char('/')));
}

TEST_F(OptionsFormTest, WordProcessorIsChosenInAFileDialog)
{
    TOptionsForm form(*set, ui);
    form.show();
    ui.addFile(QStringLiteral("/usr/bin/textprogramm"));
    QTest::mouseClick(control<QPushButton>(form, "WordPfadButton"), Qt::LeftButton);
    EXPECT_TRUE(ui.wasShown(QStringLiteral("Textverarbeitung auswählen")));
    EXPECT_EQ(control<QLineEdit>(form, "WordPfad")->text(), QStringLiteral("/usr/bin/textprogramm"));
    form.reject();
}

} // namespace
} // namespace korbelant
