#include "takeover/ParadoxSource.h"
#include "core/DatabaseError.h"
#include "support/ParadoxWriter.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korbelant;
using korbelant::test::ParadoxWriter;

namespace {

QString errorOf(const QString& path)
{
    try {
        ParadoxSource::open(path);
    } catch (const DatabaseError& error) {
        return error.message();
    }
    return {};
}

} // namespace

// Texts of code page 1252 come back as they were written, once converted; empty values are null.
TEST(ParadoxSourceTest, ReadsFieldsAndValuesOfATableWrittenByPxlib)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("PERSONEN.db"));
    {
        ParadoxWriter writer(path, {{QStringLiteral("ID"), 'I'},
                                    {QStringLiteral("Name"), 'A', 30},
                                    {QStringLiteral("Geburtsdatum"), 'D'},
                                    {QStringLiteral("Mitbesteller"), 'L'},
                                    {QStringLiteral("KM"), 'N'},
                                    {QStringLiteral("Woche"), 'S'}});
        writer.add({4711, QStringLiteral("Müßig"), QDate(1961, 2, 28), true, 12.5, 7});
        writer.add({4712, QVariant(), QVariant(), false, QVariant(), QVariant()});
    }
    auto source = ParadoxSource::open(path);
    ASSERT_EQ(source->recordCount(), 2);
    ASSERT_EQ(source->fields().size(), 6u);
    using K = ParadoxSource::Kind;
    const std::vector<std::pair<const char*, K>> kinds{
        {"ID", K::Number}, {"Name", K::Text},   {"Geburtsdatum", K::Date}, {"Mitbesteller", K::Logical},
        {"KM", K::Number}, {"Woche", K::Number}};
    for (size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(source->fields()[i].name, QString::fromLatin1(kinds[i].first));
        EXPECT_EQ(source->fields()[i].kind, kinds[i].second) << kinds[i].first;
    }
    EXPECT_EQ(source->fields()[1].width, 30);

    ASSERT_TRUE(source->seek(0));
    EXPECT_EQ(source->value(0), QVariant(qlonglong(4711)));
    EXPECT_EQ(source->value(1).toString(), QStringLiteral("Müßig"));
    EXPECT_EQ(source->value(2).toDate(), QDate(1961, 2, 28));
    EXPECT_EQ(source->value(3), QVariant(true));
    EXPECT_DOUBLE_EQ(source->value(4).toDouble(), 12.5);
    EXPECT_EQ(source->value(5).toInt(), 7);

    ASSERT_TRUE(source->seek(1));
    EXPECT_EQ(source->value(3), QVariant(false));
    for (int i : {1, 2, 4, 5})
        EXPECT_FALSE(source->value(i).isValid()) << i;
    EXPECT_FALSE(source->seek(2));
}

// A file that is missing, or whose bytes do not make a whole table, is refused with its name
// before a record is read.
TEST(ParadoxSourceTest, MissingOrDamagedTableIsRefusedWithItsName)
{
    QTemporaryDir dir;
    const QString missing = QDir(dir.path()).filePath(QStringLiteral("VF.db"));
    EXPECT_TRUE(errorOf(missing).startsWith(QStringLiteral("Die Paradox-Tabelle ") + missing));

    const QString whole = QDir(dir.path()).filePath(QStringLiteral("BESTARTK.db"));
    {
        ParadoxWriter writer(whole, {{QStringLiteral("AC"), 'A', 9}, {QStringLiteral("MENGE"), 'N'}});
        for (int i = 0; i < 50; ++i)
            writer.add({QStringLiteral("1234"), i});
    }
    QFile wholeFile(whole);
    ASSERT_TRUE(wholeFile.open(QIODevice::ReadOnly));
    const QByteArray table = wholeFile.readAll();
    ASSERT_TRUE(errorOf(whole).isEmpty());

    QByteArray otherType = table;
    otherType[4] = 1; // the file type of a primary index
    QByteArray circle = table;
    circle[2048] = 1; // the only data block names itself as the next one
    QByteArray encrypted = table;
    encrypted[0x5C] = '\xf3'; // a key: pxlib would decrypt the blocks with it
    QByteArray oldKey = table;
    oldKey[0x26] = '\x13'; // the key of the first part of the header
    const struct
    {
        const char* name;
        QByteArray bytes;
    } cases[] = {{"bytes of 0x07", QByteArray(64, '\x07')},
                 {"shorter than a header", table.left(40)},
                 {"its blocks cut off", table.left(table.size() - 1)},
                 {"an index, no table", otherType},
                 {"blocks in a circle", circle},
                 {"encrypted", encrypted},
                 {"encrypted by the first key", oldKey}};
    for (const auto& c : cases) {
        const QString damaged = QDir(dir.path()).filePath(QStringLiteral("GAST.db"));
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        EXPECT_TRUE(errorOf(damaged).startsWith(QStringLiteral("Die Paradox-Tabelle ") + damaged)) << c.name;
    }
}
