#include "takeover/DbfSource.h"

#include "core/Cp1252.h"
#include "core/Cp437.h"
#include "core/Cp850.h"
#include "core/DatabaseError.h"
#include "takeover/SourceFolder.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>
#include <shapefil.h>

namespace korbelant {

namespace {

constexpr int kHeaderSize = 32;

// The code page of a language driver byte of the header (the DOS drivers of the Western
// languages and the Windows ones), 0 when it names none of them.
int codePageOfDriver(int driver)
{
    static const QSet<int> dos437{0x01, 0x09, 0x0B, 0x0D, 0x0F, 0x11, 0x15, 0x18, 0x19, 0x1B};
    static const QSet<int> dos850{0x02, 0x0A, 0x0E, 0x10, 0x12, 0x14, 0x16, 0x1A, 0x1D, 0x25, 0x37};
    static const QSet<int> windows1252{0x03, 0x57, 0x58, 0x59};
    if (dos437.contains(driver))
        return 437;
    if (dos850.contains(driver))
        return 850;
    if (windows1252.contains(driver))
        return 1252;
    return 0;
}

QByteArray trimmedRight(QByteArray bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && (bytes.at(end - 1) == ' ' || bytes.at(end - 1) == '\0'))
        --end;
    bytes.truncate(end);
    return bytes;
}

QVariant number(const QByteArray& raw, int decimals)
{
    const QByteArray text = raw.trimmed();
    if (text.isEmpty() || text.startsWith('*'))
        return {};
    bool ok = false;
    if (decimals == 0 && !text.contains('.')) {
        const qlonglong whole = text.toLongLong(&ok);
        if (ok)
            return whole;
    }
    const double value = text.toDouble(&ok);
    return ok ? QVariant(value) : QVariant();
}

QVariant logical(const QByteArray& raw)
{
    switch (raw.isEmpty() ? ' ' : raw.at(0)) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
    case 'J':
    case 'j':
        return true;
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        return false;
    default:
        return {};
    }
}

QVariant date(const QByteArray& raw)
{
    const QDate d = QDate::fromString(QString::fromLatin1(raw.trimmed()), QStringLiteral("yyyyMMdd"));
    return d.isValid() ? QVariant(d) : QVariant();
}

TakeOverSource::Kind kindOf(char type)
{
    using Kind = TakeOverSource::Kind;
    switch (type) {
    case 'C':
        return Kind::Text;
    case 'N':
    case 'F':
        return Kind::Number;
    case 'L':
        return Kind::Logical;
    case 'D':
        return Kind::Date;
    case 'M':
        return Kind::Memo;
    default:
        return Kind::Other;
    }
}

} // namespace

struct DbfSource::Handle
{
    DBFHandle dbf = nullptr;
    ~Handle()
    {
        if (dbf)
            DBFClose(dbf);
    }
};

DbfSource::DbfSource(QString path) : m_path(std::move(path)), m_handle(std::make_unique<Handle>()) {}

DbfSource::~DbfSource() = default;

std::unique_ptr<DbfSource> DbfSource::open(const QString& path)
{
    std::unique_ptr<DbfSource> source(new DbfSource(path));
    source->readHeader();
    source->m_handle->dbf = DBFOpen(QFile::encodeName(path).constData(), "rb");
    if (!source->m_handle->dbf)
        source->fail();
    source->readFields();
    source->findRecords();
    source->openMemo();
    return source;
}

void DbfSource::fail() const
{
    throw DatabaseError(
        QStringLiteral("Die Tabelle %1 kann nicht gelesen werden.").arg(QDir::toNativeSeparators(m_path)));
}

// The version, record length and language driver, which shapelib does not hand out.
void DbfSource::readHeader()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        fail();
    const QByteArray header = file.read(kHeaderSize);
    if (header.size() < kHeaderSize)
        fail();
    const auto version = static_cast<unsigned char>(header.at(0));
    m_dBase4 = (version & 0x07) == 0x04 || version == 0x8B;
    m_recordLength = qFromLittleEndian<quint16>(header.constData() + 10);
    m_codePage = codePageOfDriver(static_cast<unsigned char>(header.at(29)));
}

void DbfSource::readFields()
{
    if (m_codePage == 0) {
        // Without a language driver, a code page file (.cpg) beside the table may name one.
        const QByteArray named = DBFGetCodePage(m_handle->dbf) ? DBFGetCodePage(m_handle->dbf) : "";
        m_codePage = named.contains("850") ? 850 : named.contains("1252") ? 1252 : 437;
    }
    const int count = DBFGetFieldCount(m_handle->dbf);
    int offset = 1; // the deletion mark
    for (int i = 0; i < count; ++i) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0;
        int decimals = 0;
        DBFGetFieldInfo(m_handle->dbf, i, name, &width, &decimals);
        const char type = DBFGetNativeFieldType(m_handle->dbf, i);
        if (width <= 0)
            fail();
        m_fields.push_back({decode(QByteArray(name)), kindOf(type), width, decimals});
        m_layout.push_back({type, offset, width});
        offset += width;
    }
    if (offset > m_recordLength)
        fail();
}

void DbfSource::findRecords()
{
    const int count = DBFGetRecordCount(m_handle->dbf);
    m_records.reserve(count > 0 ? count : 0);
    for (int i = 0; i < count; ++i) {
        const char* tuple = DBFReadTuple(m_handle->dbf, i);
        if (!tuple)
            break; // the file ends before its header says
        if (tuple[0] != '*')
            m_records.push_back(i);
    }
}

void DbfSource::openMemo()
{
    const bool hasMemo =
        std::any_of(m_layout.begin(), m_layout.end(), [](const Layout& l) { return l.type == 'M'; });
    if (!hasMemo)
        return;
    const QFileInfo table(m_path);
    const QString memo =
        SourceFolder(table.absolutePath()).file(table.completeBaseName() + QStringLiteral(".dbt"));
    if (!memo.isEmpty())
        m_memo.open(memo, m_dBase4);
}

bool DbfSource::seek(int record)
{
    if (record < 0 || record >= recordCount())
        return false;
    const char* tuple = DBFReadTuple(m_handle->dbf, m_records.at(record));
    if (!tuple)
        return false;
    m_current = QByteArray(tuple, m_recordLength);
    setPosition(record);
    return true;
}

QString DbfSource::decode(const QByteArray& bytes) const
{
    switch (m_codePage) {
    case 850:
        return Cp850::decode(bytes);
    case 1252:
        return Cp1252::decode(bytes);
    default:
        return Cp437::decode(bytes);
    }
}

QVariant DbfSource::value(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_layout.size()) || m_current.isEmpty())
        return {};
    const Layout& layout = m_layout.at(index);
    return parse(layout, m_current.mid(layout.offset, layout.width));
}

QVariant DbfSource::parse(const Layout& layout, const QByteArray& raw) const
{
    switch (layout.type) {
    case 'N':
    case 'F':
        return number(raw, m_fields.at(&layout - m_layout.data()).decimals);
    case 'L':
        return logical(raw);
    case 'D':
        return date(raw);
    case 'M': {
        bool ok = false;
        const qint64 block = raw.trimmed().toLongLong(&ok);
        const QByteArray text = ok ? trimmedRight(m_memo.text(block)) : QByteArray();
        return text.isEmpty() ? QVariant()
                              : QVariant(decode(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    default: {
        const QByteArray text = trimmedRight(raw);
        return text.isEmpty() ? QVariant() : QVariant(decode(text));
    }
    }
}

} // namespace korbelant
