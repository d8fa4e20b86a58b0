#include "support/ParadoxWriter.h"

#include "core/Cp1252.h"

#include <QDate>
#include <stdexcept>

// pxlib declares its functions without C linkage for C++.
extern "C" {
#include <paradox.h>
}

namespace korbelant::test {

namespace {

constexpr long kSerialOfYearOne = 1721425;

char pxType(char type)
{
    switch (type) {
    case 'D':
        return pxfDate;
    case 'S':
        return pxfShort;
    case 'I':
        return pxfLong;
    case 'N':
        return pxfNumber;
    case 'L':
        return pxfLogical;
    case '$':
        return pxfCurrency;
    default:
        return pxfAlpha;
    }
}

int lengthOf(const ParadoxWriter::Field& f)
{
    switch (f.type) {
    case 'A':
        return f.length;
    case 'S':
        return 2;
    case 'L':
        return 1;
    case 'N':
    case '$':
        return 8;
    default:
        return 4;
    }
}

pxval_t* valueOf(pxdoc_t* doc, const ParadoxWriter::Field& f, const QVariant& v)
{
    pxval_t* val = nullptr;
    MAKE_PXVAL(doc, val);
    val->type = pxType(f.type);
    val->isnull = v.isValid() ? 0 : 1;
    if (!v.isValid())
        return val;
    switch (f.type) {
    case 'A': {
        // pxlib stores the bytes it is given; the code page of the header names their code page.
        const QByteArray bytes = Cp1252::encode(v.toString());
        val->value.str.val = PX_strdup(doc, bytes.constData());
        val->value.str.len = static_cast<int>(bytes.size());
        break;
    }
    case 'D': {
        const QDate d = v.toDate();
        val->value.lval = PX_GregorianToSdn(d.year(), d.month(), d.day()) - kSerialOfYearOne;
        break;
    }
    case 'N':
    case '$':
        val->value.dval = v.toDouble();
        break;
    default:
        val->value.lval = v.toBool() && f.type == 'L' ? 1 : static_cast<long>(v.toLongLong());
        break;
    }
    return val;
}

} // namespace

ParadoxWriter::ParadoxWriter(const QString& path, const std::vector<Field>& fields) : m_fields(fields)
{
    PX_boot();
    m_doc = PX_new();
    const int count = static_cast<int>(fields.size());
    auto* pxFields =
        static_cast<pxfield_t*>(m_doc->malloc(m_doc, sizeof(pxfield_t) * fields.size(), "fields"));
    for (int i = 0; i < count; ++i) {
        const Field& f = fields[static_cast<size_t>(i)];
        pxFields[i].px_fname = PX_strdup(m_doc, f.name.toLatin1().constData());
        pxFields[i].px_ftype = pxType(f.type);
        pxFields[i].px_flen = lengthOf(f);
        pxFields[i].px_fdc = 0;
    }
    if (PX_create_file(m_doc, pxFields, count, path.toLocal8Bit().constData(), pxfFileTypNonIndexDB) < 0)
        throw std::runtime_error("PX_create_file failed");
    PX_set_parameter(m_doc, "codepage", "1252");
}

ParadoxWriter::~ParadoxWriter()
{
    close();
}

void ParadoxWriter::add(const QVariantList& values)
{
    std::vector<pxval_t*> record;
    for (size_t i = 0; i < m_fields.size(); ++i)
        record.push_back(valueOf(m_doc, m_fields[i], values.value(static_cast<qsizetype>(i))));
    PX_insert_record(m_doc, record.data());
    for (pxval_t* val : record) {
        if (val->type == pxfAlpha && val->value.str.val)
            m_doc->free(m_doc, val->value.str.val);
        m_doc->free(m_doc, val);
    }
}

void ParadoxWriter::close()
{
    if (!m_doc)
        return;
    PX_close(m_doc);
    PX_delete(m_doc);
    m_doc = nullptr;
}

} // namespace korbelant::test
