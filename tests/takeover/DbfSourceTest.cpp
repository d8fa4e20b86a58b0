#include "takeover/DbfSource.h"
#include "core/DatabaseError.h"
#include "support/DbfFileBuilder.h"
#include "support/QtPrinters.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

using Kind = TakeOverSource::Kind;

class DbfSourceTest : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    QTemporaryDir m_dir;
};

} // namespace

// Every field type comes with its kind and its value in program form; blank fields are null, a
// value is never null, and names are found without regard to case.
TEST_F(DbfSourceTest, ReadsEveryFieldTypeWithNullsKeptApart)
{
    DbfFileBuilder table(path(QStringLiteral("Typen.dbf")), {{"NAME", 'C', 20},
                                                             {"ANZAHL", 'N', 4},
                                                             {"BETRAG", 'N', 10, 2},
                                                             {"FAKTOR", 'F', 8, 3},
                                                             {"AKTIV", 'L', 1},
                                                             {"DATUM", 'D', 8},
                                                             {"NOTIZ", 'M', 10}});
    table.add({{"NAME", QStringLiteral("Müller  ")},
               {"ANZAHL", 12},
               {"BETRAG", 19.95},
               {"FAKTOR", 1.5},
               {"AKTIV", QStringLiteral("J")},
               {"DATUM", QDate(1999, 3, 24)},
               {"NOTIZ", QStringLiteral("erste Zeile\r\nzweite Zeile")}});
    table.add({{"ANZAHL", 0}});
    const auto source = DbfSource::open(table.write());

    ASSERT_EQ(source->fields().size(), 7u);
    const std::vector<Kind> kinds{Kind::Text,    Kind::Number, Kind::Number, Kind::Number,
                                  Kind::Logical, Kind::Date,   Kind::Memo};
    for (std::size_t i = 0; i < kinds.size(); ++i)
        EXPECT_EQ(source->fields().at(i).kind, kinds.at(i)) << i;
    EXPECT_EQ(source->field(QStringLiteral("name"))->width, 20);
    EXPECT_EQ(source->recordCount(), 2);

    ASSERT_TRUE(source->next());
    EXPECT_EQ(source->value(QStringLiteral("name")), QVariant(QStringLiteral("Müller")));
    EXPECT_EQ(source->value(QStringLiteral("ANZAHL")).toLongLong(), 12);
    EXPECT_DOUBLE_EQ(source->value(QStringLiteral("BETRAG")).toDouble(), 19.95);
    EXPECT_DOUBLE_EQ(source->value(QStringLiteral("FAKTOR")).toDouble(), 1.5);
    EXPECT_EQ(source->value(QStringLiteral("AKTIV")), QVariant(true));
    EXPECT_EQ(source->value(QStringLiteral("DATUM")).toDate(), QDate(1999, 3, 24));
    EXPECT_EQ(source->value(QStringLiteral("NOTIZ")).toString(), QStringLiteral("erste Zeile\nzweite Zeile"));

    ASSERT_TRUE(source->next());
    EXPECT_TRUE(TakeOverSource::isNull(source->value(QStringLiteral("NAME"))));
    EXPECT_EQ(source->value(QStringLiteral("ANZAHL")), QVariant(0LL)) << "a zero is a value";
    for (const char* blank : {"BETRAG", "AKTIV", "DATUM", "NOTIZ"})
        EXPECT_TRUE(TakeOverSource::isNull(source->value(QString::fromLatin1(blank)))) << blank;
    EXPECT_TRUE(TakeOverSource::isNull(source->value(QStringLiteral("KEINFELD"))));
    EXPECT_FALSE(source->next());
}

// The language driver of the header decides the code page: the same byte is a different letter
// in 437 and 850.
TEST_F(DbfSourceTest, TextsAreReadInTheCodePageOfTheTable)
{
    for (const int codePage : {437, 850}) {
        DbfFileBuilder table(path(QStringLiteral("cp%1.dbf").arg(codePage)), {{"NAME", 'C', 20}}, codePage);
        table.add({{"NAME", QStringLiteral("Jørgensen Grüße")}});
        const auto source = DbfSource::open(table.write());
        EXPECT_EQ(source->codePage(), codePage);
        source->next();
        const QString expected =
            codePage == 850 ? QStringLiteral("Jørgensen Grüße") : QStringLiteral("J?rgensen Grüße");
        EXPECT_EQ(source->text(QStringLiteral("NAME")), expected) << codePage;
    }
}

TEST_F(DbfSourceTest, DeletedRecordsArePassedOverAndSeekReachesEachRecord)
{
    DbfFileBuilder table(path(QStringLiteral("Geloescht.dbf")), {{"NR", 'C', 3}});
    table.add({{"NR", QStringLiteral("1")}})
        .add({{"NR", QStringLiteral("2")}})
        .deleted()
        .add({{"NR", QStringLiteral("3")}});
    const auto source = DbfSource::open(table.write());
    EXPECT_EQ(source->recordCount(), 2);
    ASSERT_TRUE(source->seek(1));
    EXPECT_EQ(source->text(QStringLiteral("NR")), QStringLiteral("3"));
    ASSERT_TRUE(source->seek(0));
    EXPECT_EQ(source->text(QStringLiteral("NR")), QStringLiteral("1"));
    EXPECT_FALSE(source->seek(2));
    EXPECT_FALSE(source->seek(-1));
}

TEST_F(DbfSourceTest, AMissingOrDamagedFileIsRefusedWithItsName)
{
    QFile junk(path(QStringLiteral("Kaputt.dbf")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("kein dBASE");
    junk.close();
    for (const QString& name : {QStringLiteral("Fehlt.dbf"), QStringLiteral("Kaputt.dbf")}) {
        try {
            DbfSource::open(path(name));
            ADD_FAILURE() << name.toStdString();
        } catch (const DatabaseError& e) {
            EXPECT_TRUE(e.message().contains(name)) << e.message().toStdString();
        }
    }
}

} // namespace korbelant::test
