#include "support/DbfFileBuilder.h"

#include "core/Cp437.h"
#include "core/Cp850.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <shapefil.h>
#include <stdexcept>

namespace korbelant::test {

namespace {

constexpr int kBlock = 512;

void check(bool ok, const QString& path)
{
    if (!ok)
        throw std::runtime_error("dBASE-Testtabelle nicht geschrieben: " + path.toStdString());
}

// dBASE III memo file: a header block, then each text in whole blocks, ended by two 0x1A.
class MemoWriter
{
public:
    int add(const QByteArray& text)
    {
        const int block = 1 + static_cast<int>(m_body.size() / kBlock);
        QByteArray data = text + "\x1A\x1A";
        data.append(QByteArray((kBlock - data.size() % kBlock) % kBlock, '\0'));
        m_body.append(data);
        return block;
    }
    void write(const QString& path) const
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly), path);
        QByteArray header(kBlock, '\0');
        const quint32 next = 1 + static_cast<quint32>(m_body.size() / kBlock);
        for (int i = 0; i < 4; ++i)
            header[i] = static_cast<char>((next >> (8 * i)) & 0xFF);
        header[16] = 0x03;
        file.write(header);
        file.write(m_body);
    }
    bool empty() const { return m_body.isEmpty(); }

private:
    QByteArray m_body;
};

} // namespace

DbfFileBuilder::DbfFileBuilder(QString path, std::vector<Field> fields, int codePage)
    : m_path(std::move(path)), m_fields(std::move(fields)), m_codePage(codePage)
{
}

DbfFileBuilder& DbfFileBuilder::add(const QVariantMap& record)
{
    m_records.push_back(record);
    m_deleted.push_back(false);
    return *this;
}

DbfFileBuilder& DbfFileBuilder::deleted()
{
    m_deleted.back() = true;
    return *this;
}

QByteArray DbfFileBuilder::encode(const QString& text) const
{
    return m_codePage == 850 ? Cp850::encode(text) : Cp437::encode(text);
}

QString DbfFileBuilder::write() const
{
    QFile::remove(m_path);
    const char* driver = m_codePage == 850 ? "LDID/16" : "LDID/15";
    DBFHandle dbf = DBFCreateEx(QFile::encodeName(m_path).constData(), driver);
    check(dbf != nullptr, m_path);
    bool memo = false;
    for (const Field& f : m_fields) {
        check(DBFAddNativeFieldType(dbf, f.name.toLatin1().constData(), f.type, f.width, f.decimals) >= 0,
              m_path);
        memo = memo || f.type == 'M';
    }
    MemoWriter memoFile;
    for (int r = 0; r < static_cast<int>(m_records.size()); ++r) {
        const QVariantMap& record = m_records.at(r);
        for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) {
            const Field& f = m_fields.at(i);
            const QVariant v = record.value(f.name);
            QByteArray raw;
            if (v.isValid() && !v.isNull()) {
                switch (f.type) {
                case 'D':
                    raw = v.toDate().toString(QStringLiteral("yyyyMMdd")).toLatin1();
                    break;
                case 'L':
                    raw = v.typeId() == QMetaType::Bool ? QByteArray(v.toBool() ? "T" : "F")
                                                        : v.toString().toLatin1();
                    break;
                case 'N':
                case 'F':
                    raw = QByteArray::number(v.toDouble(), 'f', f.decimals).rightJustified(f.width, ' ');
                    break;
                case 'M':
                    raw = QByteArray::number(memoFile.add(encode(v.toString()))).rightJustified(f.width, ' ');
                    break;
                default:
                    raw = encode(v.toString()).leftJustified(f.width, ' ', true);
                }
            }
            raw = raw.leftJustified(f.width, ' ', true);
            check(DBFWriteAttributeDirectly(dbf, r, i, raw.data()) != 0, m_path);
        }
        if (m_deleted.at(r))
            DBFMarkRecordDeleted(dbf, r, 1);
    }
    DBFClose(dbf);
    // shapelib names the file with a small ".dbf"; the test asked for its own spelling.
    const QFileInfo info(m_path);
    const QString created = info.dir().filePath(info.completeBaseName() + QStringLiteral(".dbf"));
    if (created != m_path) {
        QFile::remove(m_path);
        check(QFile::rename(created, m_path), m_path);
    }
    if (memo) {
        memoFile.write(info.dir().filePath(info.completeBaseName() + QStringLiteral(".dbt")));
        QFile file(m_path);
        check(file.open(QIODevice::ReadWrite) && file.seek(0) && file.write("\x83", 1) == 1, m_path);
    }
    return m_path;
}

} // namespace korbelant::test
