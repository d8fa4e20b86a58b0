#include "exchange/TTWD_File.h"
#include "exchange/TwdCoding.h"
#include "exchange/TwdError.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

TTWD_File read(const QByteArray& bytes)
{
    TTWD_File file;
    file.loadBytes(bytes);
    return file;
}

QByteArray written(const TTWD_File& file, const QString& path)
{
    QStringList lines;
    file.WriteLines(lines);
    TTWD_File::SaveLines(lines, path);
    QFile saved(path);
    EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
    return saved.readAll();
}

} // namespace

TEST(TwdCoding, SplitKeepsInnerEmptiesAndDropsTheTrailingOne)
{
    const std::vector<std::pair<QString, QStringList>> cases{
        {"", {}},           {";", {""}},       {"a", {"a"}},
        {"a;;", {"a", ""}}, {";a", {"", "a"}}, {"A101;;Dose \\3b rund;", {"A101", "", "Dose \\3b rund"}},
    };
    for (const auto& [line, elements] : cases)
        EXPECT_EQ(TwdCoding::TwdSplit(line), elements) << line.toStdString();
}

TEST(TwdCoding, DecodeByTypeCode)
{
    struct Case
    {
        QString value;
        int code;
        QString decoded;
    };
    const std::vector<Case> cases{
        {"true", 1, "True"},
        {"TRUE", 1, "True"},
        {"ja", 1, "False"},
        {"", 1, "False"},
        {"12", 3, "12"},
        {"-4", 2, "-4"},
        {"zwölf", 3, ""},
        {"1,5", 4, ""},
        {"31.12.2006", 8, "31.12.2006"},
        {"31.02.2006", 8, ""},
        {"2006-12-31", 8, ""},
        {"2006/50", 11, "200650"},
        {"200650", 11, "200650"},
        {"a\\3bb\\5c0d", 10, "a;b\\0d"},
        {"x\\3by", 7, "x\\3by"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TwdCoding::TwdDecode(c.value, c.code), c.decoded)
            << c.value.toStdString() << " / " << c.code;
}

TEST(TwdFile, WritesTheGrammarByteForByteAndReadsItBack)
{
    QTemporaryDir dir;
    TTWD_File file;
    file.AddValue("Version", "2.0");
    TTWD_TableList& party = file.AddSection("Vorführung");
    party.AddValue("Gäste", "5");
    TTWD_Table& lines = party.AddTable("Positionen");
    lines.SetFields("L_NR;L_TEXT;STUECK");
    lines.SetFieldTypes("10;10;3");
    const QString text = QStringLiteral("Dose C:\\Küche; rund\r\nneu");
    lines.addRecord("A101;" + TwdCoding::TwdEscape(text) + ";2");
    party.AddTable("Leer").SetFields("A");
    file.AddSection("Vorführung").AddValue("Nr", "2");

    const QByteArray expected = "Version = 2.0\r\n"
                                "\r\n"
                                "[Vorf\xfchrung]\r\n"
                                "G\xe4ste = 5\r\n"
                                "\r\n"
                                "Tabelle = Positionen\r\n"
                                "Felder = L_NR;L_TEXT;STUECK\r\n"
                                "Feldtypen = 10;10;3\r\n"
                                "Datensatz = A101;Dose C:\\5cK\xfc"
                                "che\\3b rund\\0d\\0aneu;2\r\n"
                                "\r\n"
                                "Tabelle = Leer\r\n"
                                "Felder = A\r\n"
                                "Feldtypen = \r\n"
                                "\r\n"
                                "[Vorf\xfchrung]\r\n"
                                "Nr = 2\r\n";
    const QByteArray bytes = written(file, dir.filePath("Order.txt"));
    EXPECT_EQ(bytes, expected);

    TTWD_File back;
    ASSERT_TRUE(back.LoadFile(dir.filePath("Order.txt")));
    EXPECT_EQ(back.GetValue("version"), "2.0");
    EXPECT_EQ(back.GetValue("vorführung", "GÄSTE"), "5");
    EXPECT_EQ(back.GetValue("Vorführung", "Nr"), "") << "only the first section of a name is found";
    ASSERT_EQ(back.sections().size(), 2);
    EXPECT_EQ(back.sections().at(1).GetValue("nr"), "2");
    const TTWD_Table* table = back.FindTable("Vorführung", "positionen");
    ASSERT_TRUE(table);
    ASSERT_EQ(table->recordCount(), 1);
    EXPECT_EQ(table->GetField(0, "l_text"), text);
    EXPECT_EQ(table->GetField(0, "STUECK"), "2");
    EXPECT_EQ(back.FindTable("Vorführung", "Leer")->recordCount(), 0);
}

TEST(TwdFile, ReadingRules)
{
    const TTWD_File file = read("Kennung = A=B \r\n"
                                "; ein Kommentar = nichts\r\n"
                                "\x1a\r\n"
                                "[Kopf]\r\n"
                                "datum = 10.12.2006\r\n"
                                "  [Kein Abschnitt]\r\n"
                                "ohne Gleichheitszeichen\r\n"
                                "Tabellenname = Artikel\r\n"
                                "Felder = NR;MENGE;WOCHE\r\n"
                                "Feldtypen = 10;3;11\r\n"
                                "Datensatz =  A1;drei;2006/50 \r\n"
                                "Datensatz = A2;4\r\n"
                                "[ Posten ]\n"
                                "Felder = NR;MENGE;WOCHE;X\n"
                                "Tabelle = Liste\n"
                                "Datensatz = P1;2;;\n");
    EXPECT_EQ(file.GetValue("Kennung"), "A=B") << "the value is all after the first =, trimmed";
    EXPECT_EQ(file.GetValue("; ein Kommentar"), "");
    EXPECT_EQ(file.GetValue("Kopf", "DATUM"), "10.12.2006");
    EXPECT_EQ(file.sections().size(), 2) << "a header after blanks is no header";
    EXPECT_EQ(file.sections().at(1).name(), " Posten ") << "section names are not trimmed";

    const TTWD_Table* articles = file.FindTable("kopf", "ARTIKEL");
    ASSERT_TRUE(articles) << "a key that begins with Tabelle starts a table";
    EXPECT_EQ(articles->records(), (QStringList{"A1;drei;2006/50", "A2;4"}));
    EXPECT_EQ(articles->GetField(0, "WOCHE"), "200650");
    EXPECT_EQ(articles->GetField(0, "MENGE"), "") << "no whole number";
    EXPECT_EQ(articles->GetField(1, "MENGE"), "4");
    EXPECT_EQ(articles->GetField(1, "WOCHE"), "") << "record too short";
    EXPECT_EQ(articles->GetField(2, "NR"), "") << "no such record";
    EXPECT_EQ(articles->GetField(0, "FEHLT"), "") << "no such field";
    EXPECT_EQ(articles->GetField(0, "X"), "") << "no type code for the fourth field";
    EXPECT_EQ(articles->fields().size(), 4) << "Felder before the new section's first table";

    const TTWD_Table* list = file.FindTable(" posten ", "Liste");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->records(), QStringList{"P1;2;;"});
    EXPECT_EQ(TwdCoding::TwdSplit(list->records().front()).size(), 3);
    EXPECT_EQ(file.FindTable("Kopf", "Liste"), nullptr);
    EXPECT_EQ(file.FindTable("Fehlt", "Liste"), nullptr);
}

TEST(TwdFile, MissingFileAndRefusedLayout)
{
    QTemporaryDir dir;
    TTWD_File file;
    EXPECT_FALSE(file.LoadFile(dir.filePath("fehlt.txt")));

    QFile early(dir.filePath("early.txt"));
    ASSERT_TRUE(early.open(QIODevice::WriteOnly));
    early.write("Version = 2.0\r\nTabelle = Artikel\r\n[Kopf]\r\n");
    early.close();
    try {
        TTWD_File refused;
        refused.LoadFile(early.fileName());
        FAIL() << "a table before the first section is refused";
    } catch (const TwdError& error) {
        EXPECT_TRUE(error.message().contains("Zeile 2: eine Tabelle steht vor dem ersten Abschnitt."))
            << error.message().toStdString();
    }
}

TEST(TwdCommandLine, ValuesCountsAndFields)
{
    QTemporaryDir dir;
    QFile twd(dir.filePath("Artikel.twd"));
    ASSERT_TRUE(twd.open(QIODevice::WriteOnly));
    twd.write("Version = 2.0\r\n[Artikel]\r\nStand = 2006/50\r\nTabelle = Liste\r\nFelder = NR;TEXT\r\n"
              "Feldtypen = 10;10\r\nDatensatz = A1;Sch\xfcssel\\3b blau\r\nDatensatz = A2;Dose\r\n");
    twd.close();
    const QString path = twd.fileName();
    struct Case
    {
        QStringList args;
        int exitCode;
        QString out;
    };
    const std::vector<Case> cases{
        {{"value", path, "version"}, 0, "2.0\n"},
        {{"value", path, "artikel", "STAND"}, 0, "2006/50\n"},
        {{"value", path, "Artikel", "fehlt"}, 0, "\n"},
        {{"count", path, "Artikel", "Liste"}, 0, "2\n"},
        {{"count", path, "Artikel", "Fehlt"}, 0, "0\n"},
        {{"field", path, "Artikel", "Liste", "0", "TEXT"}, 0, "Schüssel; blau\n"},
        {{"field", path, "Artikel", "Liste", "5", "TEXT"}, 0, "\n"},
        {{"field", path, "Artikel", "Liste", "x", "TEXT"}, 2, ""},
        {{"value", dir.filePath("fehlt.twd"), "Version"}, 1, ""},
        {{"frobnicate", path}, 2, ""},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(QStringList{"twd"} + c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_EQ(run.out, c.out);
    }
    EXPECT_TRUE(
        runCli({"twd", "value", dir.filePath("fehlt.twd"), "Version"}).err.contains("wurde nicht gefunden"));
}

} // namespace korbelant::test
