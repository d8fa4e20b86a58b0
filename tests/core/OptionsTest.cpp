#include "core/Options.h"
#include "core/Cp1252.h"
#include "core/CurrencyState.h"
#include "core/DataHome.h"
#include "core/IniFile.h"
#include "core/OptionDef.h"
#include "core/ScriptedUi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korbelant;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Options, MissingFileLoadsEmptyWithTheFiveFixedDefaults)
{
    QTemporaryDir dir;
    Options options(dir.filePath(QStringLiteral("Optionen.ini")));
    ASSERT_TRUE(options.LoadOptions());
    EXPECT_EQ(options.text(QStringLiteral("Weeks")), QStringLiteral("5"));
    EXPECT_EQ(options.text(QStringLiteral("max_length_Z_NR")), QStringLiteral("8"));
    EXPECT_EQ(options.text(QStringLiteral("min_length_Z_NR")), QStringLiteral("8"));
    EXPECT_EQ(options.text(QStringLiteral("min_length_L_NR")), QStringLiteral("4"));
    EXPECT_EQ(options.text(QStringLiteral("max_length_L_NR")), QStringLiteral("8"));
    EXPECT_TRUE(options.text(QStringLiteral("K_NR")).isEmpty());
    EXPECT_TRUE(options.text(QStringLiteral("vorgabe_va")).isEmpty());
    for (const OptionDef& def : OptionDef::all()) {
        if (def.kind == OptionDef::Kind::Check) {
            EXPECT_FALSE(options.checked(def.key)) << def.key.toStdString();
        }
    }
}

TEST(Options, OnlyMinusOneIsChecked)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Optionen.ini"));
    writeFile(path, "[KLV]\r\nBCC=-1\r\nAddBerater=1\r\nInfo=true\r\nBerater=0\r\n");
    Options options(path);
    ASSERT_TRUE(options.LoadOptions());
    EXPECT_TRUE(options.checked(QStringLiteral("BCC")));
    EXPECT_FALSE(options.checked(QStringLiteral("AddBerater")));
    EXPECT_FALSE(options.checked(QStringLiteral("Info")));
    EXPECT_FALSE(options.checked(QStringLiteral("Berater")));
}

TEST(Options, SaveKeepsForeignKeysSectionsAndCodePage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Optionen.ini"));
    writeFile(path, "; Kommentar\r\n[Fremd]\r\nx=1\r\n\r\n[KLV]\r\nUnbekannt=bleibt\r\nGruppen_NR=12\r\n\r\n"
                    "[TNewGuestForm]\r\nLeft=10\r\n");
    Options options(path);
    ASSERT_TRUE(options.LoadOptions());
    EXPECT_EQ(options.text(QStringLiteral("Gruppen_NR")), QStringLiteral("12"));
    options.setText(QStringLiteral("AuslZeile1"), QStringLiteral("Grüße – Ihre Beraterin €"));
    options.setChecked(QStringLiteral("Berater"), true);
    ASSERT_TRUE(options.SaveOptions());

    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.contains("AuslZeile1=Gr\xFC\xDF"
                               "e \x96 Ihre Beraterin \x80\r\n"));
    EXPECT_TRUE(bytes.startsWith("; Kommentar\r\n[Fremd]\r\nx=1\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n")); // every line end is CR LF

    IniFile reread(path);
    ASSERT_TRUE(reread.load());
    EXPECT_EQ(reread.value(QStringLiteral("KLV"), QStringLiteral("Unbekannt")), QStringLiteral("bleibt"));
    EXPECT_EQ(reread.value(QStringLiteral("fremd"), QStringLiteral("X")), QStringLiteral("1"));
    EXPECT_EQ(reread.value(QStringLiteral("TNewGuestForm"), QStringLiteral("Left")), QStringLiteral("10"));
    EXPECT_EQ(reread.value(QStringLiteral("KLV"), QStringLiteral("Berater")), QStringLiteral("-1"));

    Options again(path);
    ASSERT_TRUE(again.LoadOptions());
    EXPECT_EQ(again.text(QStringLiteral("AuslZeile1")), QStringLiteral("Grüße – Ihre Beraterin €"));
}

TEST(Options, InitialFileHoldsEveryOptionAtItsInitialValue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Optionen.ini"));
    ASSERT_TRUE(Options::writeInitialFile(path));
    Options options(path);
    ASSERT_TRUE(options.LoadOptions());
    for (const OptionDef& def : OptionDef::all())
        EXPECT_EQ(options.text(def.key), def.initial) << def.key.toStdString();
    EXPECT_EQ(options.text(QStringLiteral("K_NR")), QStringLiteral("100001"));
    EXPECT_TRUE(options.checked(QStringLiteral("GGAdress")));
}

TEST(Cp1252, RoundTripsTheHighControlRange)
{
    const QString text = QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ äöüß ÄÖÜ");
    EXPECT_EQ(Cp1252::decode(Cp1252::encode(text)), text);
    EXPECT_EQ(Cp1252::encode(QStringLiteral("Ω")), QByteArray("?"));
}

class CurrencyStateTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    DataHome home{dir.path()};
    Options options{home.optionsFile()};

    void SetUp() override
    {
        QDir().mkpath(home.dbDir());
        ASSERT_TRUE(options.LoadOptions());
    }
    QByteArray status() const { return readFile(home.statusFile()); }
};

TEST_F(CurrencyStateTest, StatusFileDecides)
{
    ScriptedUi ui;
    writeFile(home.statusFile(), "euro\r\nUmgestellt am 01.01.2002\r\n");
    EXPECT_EQ(CurrencyState::determine(home, options, ui, false, QDate(2005, 1, 1)),
              CurrencyState::Currency::Euro);
    EXPECT_TRUE(options.checked(QStringLiteral("Euro")));
    EXPECT_EQ(CurrencyState::protocol(home), QStringLiteral("Umgestellt am 01.01.2002\r\n"));

    writeFile(home.statusFile(), "DEM\r\n");
    EXPECT_EQ(CurrencyState::determine(home, options, ui, false, QDate(2005, 1, 1)),
              CurrencyState::Currency::DMark);
    EXPECT_FALSE(options.checked(QStringLiteral("Euro")));
    EXPECT_TRUE(ui.shown().isEmpty());
}

TEST_F(CurrencyStateTest, WithoutStatusFileTheDateAndFirstStartDecide)
{
    ScriptedUi ui;
    EXPECT_EQ(CurrencyState::determine(home, options, ui, false, QDate(2005, 1, 1)),
              CurrencyState::Currency::Euro);
    EXPECT_EQ(status(), QByteArray("Euro\r\n"));

    QFile::remove(home.statusFile());
    options.setChecked(QStringLiteral("Euro"), false);
    EXPECT_EQ(CurrencyState::determine(home, options, ui, true, QDate(2005, 1, 1)),
              CurrencyState::Currency::DMark);
    EXPECT_EQ(status(), QByteArray("DEM\r\n"));

    QFile::remove(home.statusFile());
    EXPECT_EQ(CurrencyState::determine(home, options, ui, false, QDate(2001, 6, 1)),
              CurrencyState::Currency::DMark);
    EXPECT_TRUE(ui.shown().isEmpty());
}

TEST_F(CurrencyStateTest, OptionEuroAsksTheUser)
{
    for (auto [answer, expected] : {std::pair{UiPort::Answer::Yes, CurrencyState::Currency::Euro},
                                    std::pair{UiPort::Answer::No, CurrencyState::Currency::DMark}}) {
        QFile::remove(home.statusFile());
        writeFile(home.statusFile(), "\r\n"); // an empty first line counts as no answer
        options.setChecked(QStringLiteral("Euro"), true);
        ScriptedUi ui({answer});
        EXPECT_EQ(CurrencyState::determine(home, options, ui, true, QDate(2005, 1, 1)), expected);
        EXPECT_TRUE(ui.wasShown(CurrencyState::kQuestion));
        EXPECT_EQ(options.checked(QStringLiteral("Euro")), expected == CurrencyState::Currency::Euro);
        Options saved(home.optionsFile());
        ASSERT_TRUE(saved.LoadOptions());
        EXPECT_EQ(saved.checked(QStringLiteral("Euro")), expected == CurrencyState::Currency::Euro);
    }
}
