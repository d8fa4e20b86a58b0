#include "core/DbfTableWriter.h"

#include "core/DatabaseError.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <shapefil.h>

#include <filesystem>
#include <system_error>

namespace korbelant {

namespace {

// The language driver byte of dBASE for code page 437, German (DB437DE0).
const char* const kCodePage = "LDID/15";

} // namespace

struct DbfTableWriter::Handle
{
    DBFHandle dbf = nullptr;
    ~Handle() { close(); }
    void close()
    {
        if (dbf)
            DBFClose(dbf);
        dbf = nullptr;
    }
};

DbfTableWriter::DbfTableWriter(const QString& targetFile, std::vector<Field> fields)
    : m_target(targetFile), m_fields(std::move(fields)), m_handle(std::make_unique<Handle>())
{
    const QFileInfo target(targetFile);
    // The part file keeps the extension, because the dBASE library names its files by it.
    m_part = target.dir().filePath(target.completeBaseName() + QStringLiteral(".neu.dbf"));
    QFile::remove(m_part);
    m_handle->dbf = DBFCreateEx(QFile::encodeName(m_part).constData(), kCodePage);
    if (!m_handle->dbf)
        fail();
    for (const Field& f : m_fields) {
        if (DBFAddNativeFieldType(m_handle->dbf, f.name, f.type, f.width, 0) < 0)
            fail();
    }
}

DbfTableWriter::~DbfTableWriter()
{
    m_handle->close();
    if (!m_committed)
        QFile::remove(m_part);
}

void DbfTableWriter::fail() const
{
    throw DatabaseError(QStringLiteral("Die Exportdatei %1 kann nicht geschrieben werden.")
                            .arg(QDir::toNativeSeparators(m_target)));
}

void DbfTableWriter::append(const QList<QByteArray>& values)
{
    for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) {
        const Field& f = m_fields.at(i);
        const QByteArray value = values.value(i).left(f.width);
        int ok = 0;
        if (f.type == 'D') { // "YYYYMMDD", or blanks for no date
            QByteArray date = value.isEmpty() ? QByteArray(8, ' ') : value;
            ok = DBFWriteAttributeDirectly(m_handle->dbf, m_written, i, date.data());
        } else if (value.isEmpty()) {
            ok = DBFWriteNULLAttribute(m_handle->dbf, m_written, i);
        } else {
            ok = DBFWriteStringAttribute(m_handle->dbf, m_written, i, value.constData());
        }
        if (!ok)
            fail();
    }
    ++m_written;
}

// The header carries the date of the last change (years since 1900, month, day).
void DbfTableWriter::stampDate() const
{
    QFile dbf(m_part);
    if (!dbf.open(QIODevice::ReadWrite) || !dbf.seek(1))
        fail();
    const QDate today = QDate::currentDate();
    const char date[3] = {static_cast<char>(today.year() - 1900), static_cast<char>(today.month()),
                          static_cast<char>(today.day())};
    if (dbf.write(date, 3) != 3)
        fail();
}

void DbfTableWriter::commit()
{
    m_handle->close();
    stampDate();
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(m_part).toStdString(),
                            QFile::encodeName(m_target).toStdString(), ec);
    if (ec)
        fail();
    m_committed = true;
}

} // namespace korbelant
