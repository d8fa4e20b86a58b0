#include "expenses/TravelDbfExport.h"

#include "core/Cp437.h"
#include "core/DatabaseError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <shapefil.h>

#include <filesystem>
#include <memory>
#include <system_error>

namespace korbelant {

namespace {

// The language driver byte of dBASE for code page 437, German (DB437DE0).
const char* const kCodePage = "LDID/15";

struct DbfCloser
{
    void operator()(DBFInfo* handle) const { DBFClose(handle); }
};
using DbfFile = std::unique_ptr<DBFInfo, DbfCloser>;

[[noreturn]] void fail(const QString& file)
{
    throw DatabaseError(QStringLiteral("Die Ausgabedatei %1 kann nicht geschrieben werden.")
                            .arg(QDir::toNativeSeparators(file)));
}

DbfFile createTable(const QString& file)
{
    DbfFile dbf(DBFCreateEx(QFile::encodeName(file).constData(), kCodePage));
    if (!dbf || DBFAddNativeFieldType(dbf.get(), "Datum", 'D', 8, 0) < 0 ||
        DBFAddNativeFieldType(dbf.get(), "ID", 'N', 8, 0) < 0 ||
        DBFAddNativeFieldType(dbf.get(), "Text", 'C', 80, 0) < 0 ||
        DBFAddNativeFieldType(dbf.get(), "KM", 'N', 8, 0) < 0 ||
        DBFAddNativeFieldType(dbf.get(), "Betrag", 'N', 14, 2) < 0)
        fail(file);
    const QDate today = QDate::currentDate();
    DBFSetLastModifiedDate(dbf.get(), today.year() - 1900, today.month(), today.day());
    return dbf;
}

bool writeEntry(DBFInfo* dbf, int row, const TravelEntry& e)
{
    QByteArray date = e.Datum.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    if (date.isEmpty())
        date = QByteArray(8, ' ');
    const QByteArray text = Cp437::encode(e.Text).left(80);
    return DBFWriteAttributeDirectly(dbf, row, 0, date.data()) &&
           DBFWriteIntegerAttribute(dbf, row, 1, row + 1) &&
           (text.isEmpty() ? DBFWriteNULLAttribute(dbf, row, 2)
                           : DBFWriteStringAttribute(dbf, row, 2, text.constData())) &&
           DBFWriteIntegerAttribute(dbf, row, 3, e.KM) && DBFWriteDoubleAttribute(dbf, row, 4, e.Betrag);
}

} // namespace

void TravelDbfExport::write(const std::vector<TravelEntry>& entries, const QString& targetFile)
{
    const QFileInfo target(targetFile);
    // The part file keeps the extension, because the dBASE library names its files by it.
    const QString partFile = target.dir().filePath(target.completeBaseName() + QStringLiteral(".neu.dbf"));
    QFile::remove(partFile);
    {
        DbfFile dbf = createTable(partFile);
        for (size_t i = 0; i < entries.size(); ++i) {
            if (!writeEntry(dbf.get(), static_cast<int>(i), entries[i])) {
                dbf.reset();
                QFile::remove(partFile);
                fail(targetFile);
            }
        }
    }
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(partFile).toStdString(),
                            QFile::encodeName(targetFile).toStdString(), ec);
    if (ec) {
        QFile::remove(partFile);
        fail(targetFile);
    }
}

} // namespace korbelant
