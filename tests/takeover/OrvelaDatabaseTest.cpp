#include "takeover/OrvelaDatabase.h"
#include "support/OrvelaSource.h"
#include "takeover/TmDataBase.h"
#include "takeover/TmTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korbelant;
using korbelant::test::OrvelaSource;

TEST(OrvelaDatabaseTest, OnlyKorbdat2000IsReadThroughTheOrvelaParameters)
{
    OrvelaSource source(QStringLiteral("Korbdat2000.mdb"));
    source.add(QStringLiteral("Adressen"),
               {{QStringLiteral("Index"), 4711}, {QStringLiteral("Name"), QStringLiteral("Schön")}});
    const QString file = OrvelaDatabase::file(source.directory());
    ASSERT_EQ(file, source.databasePath());

    TmDataBase database(OrvelaDatabase::parameters(file));
    database.setDriverMap(OrvelaSource::driverMap());
    TmTable addresses(database, QStringLiteral("Adressen"), TmTable::CursorType::Keyset);
    addresses.open();
    EXPECT_EQ(addresses.recordCount(), 1);
    EXPECT_EQ(addresses.fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Schön"));
}

TEST(OrvelaDatabaseTest, KorbdatComesBeforeKorbdat2000)
{
    struct Case
    {
        QStringList present;
        QString chosen;
    };
    const std::vector<Case> cases{{{"Korbdat.mdb", "Korbdat2000.mdb"}, "Korbdat.mdb"},
                                  {{"KORBDAT2000.MDB"}, "KORBDAT2000.MDB"},
                                  {{"korbdat.mdb"}, "korbdat.mdb"},
                                  {{"Korbdat.ldb", "Adressen.db"}, ""}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        for (const QString& name : c.present) {
            QFile file(QDir(dir.path()).filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        const QString expected = c.chosen.isEmpty() ? QString() : QDir(dir.path()).filePath(c.chosen);
        EXPECT_EQ(OrvelaDatabase::file(dir.path()), expected) << c.present.join(',').toStdString();
    }
    EXPECT_EQ(OrvelaDatabase::file(QStringLiteral("/nicht/da")), QString());
    EXPECT_EQ(OrvelaDatabase::parameters(QStringLiteral("/d/Korbdat.mdb")),
              (QStringList{"DBQ=/d/Korbdat.mdb", "DefaultDir=", "DriverId=281", "FIL=MS Access",
                           "MaxBufferSize=2048", "PageTimeout=5", "UID=admin",
                           "DRIVER=Microsoft Access-Treiber (*.mdb)"}));
}
