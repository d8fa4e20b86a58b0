#include "takeover/ParadoxSource.h"

#include "core/DatabaseError.h"
#include "takeover/ParadoxHeader.h"
#include "takeover/ParadoxValue.h"

#include <QDir>
#include <QFileInfo>
#include <mutex>

// pxlib declares its functions without C linkage for C++.
extern "C" {
#include <paradox.h>
}

namespace korbelant {

namespace {

// pxlib reports its errors through a handler; the last one is kept for the message.
void keepError(pxdoc_t* doc, int level, const char* message, void* data)
{
    (void)doc;
    if (level == PX_Warning || !data)
        return;
    *static_cast<QString*>(data) = QString::fromLocal8Bit(message);
}

TakeOverSource::Kind kindOf(int type)
{
    using K = TakeOverSource::Kind;
    switch (type) {
    case pxfAlpha:
        return K::Text;
    case pxfShort:
    case pxfLong:
    case pxfAutoInc:
    case pxfNumber:
    case pxfCurrency:
    case pxfBCD:
        return K::Number;
    case pxfLogical:
        return K::Logical;
    case pxfDate:
        return K::Date;
    case pxfTime:
        return K::Time;
    case pxfTimestamp:
        return K::DateTime;
    case pxfMemoBLOb:
    case pxfFmtMemoBLOb:
        return K::Memo;
    default:
        return K::Other;
    }
}

// The memo file beside the table: the same name with the extension .MB in any case.
QString memoFileOf(const QString& path)
{
    const QFileInfo table(path);
    for (const QString& extension : {QStringLiteral(".MB"), QStringLiteral(".mb"), QStringLiteral(".Mb")}) {
        const QString candidate = table.dir().filePath(table.completeBaseName() + extension);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

} // namespace

ParadoxSource::ParadoxSource(QString path) : m_path(std::move(path)) {}

ParadoxSource::~ParadoxSource()
{
    if (m_doc) {
        PX_close(m_doc);
        PX_delete(m_doc);
    }
}

void ParadoxSource::fail(const QString& reason) const
{
    QString message = QStringLiteral("Die Paradox-Tabelle %1 kann nicht gelesen werden.").arg(m_path);
    if (!reason.isEmpty())
        message += QLatin1Char(' ') + reason;
    throw DatabaseError(message);
}

std::unique_ptr<ParadoxSource> ParadoxSource::open(const QString& path)
{
    static std::once_flag booted;
    std::call_once(booted, [] { PX_boot(); });
    std::unique_ptr<ParadoxSource> source(new ParadoxSource(path));
    const QFileInfo file(path);
    if (!file.isFile())
        source->fail(QStringLiteral("Die Datei fehlt."));
    if (!ParadoxHeader::isSound(path))
        source->fail(QStringLiteral("Die Datei ist beschädigt."));
    source->m_doc = PX_new3(keepError, nullptr, nullptr, nullptr, &source->m_error);
    if (!source->m_doc || PX_open_file(source->m_doc, path.toLocal8Bit().constData()) < 0)
        source->fail(source->m_error);
    source->checkHeader();
    PX_set_targetencoding(source->m_doc, "UTF-8");
    const QString memo = memoFileOf(path);
    if (!memo.isEmpty())
        PX_set_blob_file(source->m_doc, memo.toLocal8Bit().constData());
    source->readFields();
    return source;
}

// What pxlib read from a header that passed the check of its bytes: fields that make up the
// record, and no more records than the blocks can hold.
void ParadoxSource::checkHeader() const
{
    const pxhead_t* head = m_doc->px_head;
    if (!head || head->px_recordsize <= 0 || head->px_numfields <= 0 || head->px_numrecords < 0)
        fail(QStringLiteral("Die Datei ist beschädigt."));
    qint64 recordSize = 0;
    for (int i = 0; i < head->px_numfields; ++i)
        recordSize += head->px_fields[i].px_flen;
    const qint64 perBlock = (qint64(head->px_maxtablesize) * 1024 - 6) / head->px_recordsize;
    if (recordSize != head->px_recordsize ||
        qint64(head->px_numrecords) > qint64(head->px_fileblocks) * perBlock)
        fail(QStringLiteral("Die Datei ist beschädigt."));
}

void ParadoxSource::readFields()
{
    const int count = PX_get_num_fields(m_doc);
    const int records = PX_get_num_records(m_doc);
    if (count <= 0 || records < 0)
        fail(m_error);
    m_recordCount = records;
    for (int i = 0; i < count; ++i) {
        const pxfield_t* f = PX_get_field(m_doc, i);
        if (!f)
            fail(m_error);
        const Kind kind = kindOf(f->px_ftype);
        const bool hasWidth = kind == Kind::Text || f->px_ftype == pxfBCD;
        m_fields.push_back({QString::fromLatin1(f->px_fname), kind, hasWidth ? f->px_flen : 0,
                            f->px_ftype == pxfBCD ? f->px_fdc : 0});
        m_types.push_back(f->px_ftype);
        m_lengths.push_back(f->px_flen);
    }
}

bool ParadoxSource::seek(int record)
{
    if (record < 0 || record >= m_recordCount)
        return false;
    // Paradox keeps a null value as a field of zero bytes, whatever its type; pxlib reads such a
    // date, long or number as a value, so nulls are told from the record's own bytes.
    QByteArray raw(m_doc->px_head->px_recordsize, '\0');
    if (!PX_get_record(m_doc, record, raw.data()))
        fail(m_error);
    const int count = static_cast<int>(m_fields.size());
    pxval_t** values = PX_retrieve_record(m_doc, record);
    if (!values)
        fail(m_error);
    m_current.clear();
    qsizetype offset = 0;
    for (int i = 0; i < count; ++i) {
        const int length = m_lengths[static_cast<size_t>(i)];
        const bool null = raw.mid(offset, length).count('\0') == length;
        m_current << (null ? QVariant() : ParadoxValue::of(values[i], m_types[static_cast<size_t>(i)]));
        offset += length;
    }
    ParadoxValue::release(m_doc, values, count);
    setPosition(record);
    return true;
}

QVariant ParadoxSource::value(int index) const
{
    return index >= 0 && index < m_current.size() ? m_current.at(index) : QVariant();
}

} // namespace korbelant
