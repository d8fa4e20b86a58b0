#include "exchange/ExchangeFolderChoice.h"

#include "core/DriveMap.h"
#include "core/Options.h"
#include "support/DataSetFixture.h"
#include "support/QtPrinters.h"

namespace korbelant::test {

class ExchangeFolderChoiceTest : public DataSetFixture
{
protected:
    void setDrive(const QString& drive, const QString& path)
    {
        options().setText(QStringLiteral("BZHDRIVE"), drive);
        options().setText(QStringLiteral("BZHPFAD"), path);
    }
    QString drive() { return options().text(QStringLiteral("BZHDRIVE")); }
    QString path() { return options().text(QStringLiteral("BZHPFAD")); }
};

TEST_F(ExchangeFolderChoiceTest, ProposesTheOptionsDriveOrPath)
{
    ExchangeFolderChoice choice(options());
    setDrive(QStringLiteral("a"), QStringLiteral("/srv/alt/"));
    EXPECT_EQ(choice.preset(), DriveMap::kDefaultA + QStringLiteral("/"));
    setDrive(QStringLiteral("Pfad:"), QStringLiteral("/srv/bzh/"));
    EXPECT_EQ(choice.preset(), QStringLiteral("/srv/bzh/"));
    EXPECT_EQ(choice.localResult(QString()), QStringLiteral("/srv/bzh/"))
        << "an empty field takes the options'";
    EXPECT_EQ(choice.localResult(QStringLiteral("/media/stick")), QStringLiteral("/media/stick/"));
    EXPECT_EQ(choice.localResult(QStringLiteral("B:")), DriveMap::kDefaultB + QStringLiteral("/"));
}

TEST_F(ExchangeFolderChoiceTest, StoringTheDefaultKeepsFloppiesAsTheirLetter)
{
    struct Case
    {
        const char* field;
        const char* drive;
        const char* path;
    };
    const Case cases[] = {
        {"a:", "a", ""},
        {"A:\\", "a", ""},
        {"/media/floppy1/", "b", ""},
        {"/media/stick", "Pfad:", "/media/stick/"},
        {"/home/ute/BZH/", "Pfad:", "/home/ute/BZH/"},
    };
    for (const Case& c : cases) {
        setDrive(QStringLiteral("Pfad:"), QStringLiteral("/before/"));
        ExchangeFolderChoice(options()).storeAsDefault(QString::fromLatin1(c.field));
        EXPECT_EQ(drive(), QString::fromLatin1(c.drive)) << c.field;
        EXPECT_EQ(path(), QString::fromLatin1(c.path)) << c.field;
    }
    // An empty field changes nothing, and the options file is written at once.
    setDrive(QStringLiteral("b"), QString());
    EXPECT_EQ(ExchangeFolderChoice(options()).storeAsDefault(QStringLiteral("  ")), QStringLiteral("  "));
    EXPECT_EQ(drive(), QStringLiteral("b"));
    ExchangeFolderChoice(options()).storeAsDefault(QStringLiteral("/srv/bzh"));
    Options reread(m_home.home().optionsFile());
    reread.LoadOptions();
    EXPECT_EQ(reread.text(QStringLiteral("BZHPFAD")), QStringLiteral("/srv/bzh/"));
    EXPECT_EQ(reread.text(QStringLiteral("BZHDRIVE")), QStringLiteral("Pfad:"));
}

} // namespace korbelant::test
