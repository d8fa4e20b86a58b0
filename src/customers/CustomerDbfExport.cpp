#include "customers/CustomerDbfExport.h"

#include "core/Cp437.h"
#include "core/Database.h"
#include "core/DbfTableWriter.h"
#include "core/UiPort.h"
#include "customers/CustomerView.h"

#include <QDir>
#include <QTime>

namespace korbelant {

namespace {

enum class Kind
{
    Text,
    Date,
    Weekday,
    Time
};

struct Column
{
    const char* name;   // field of KundTemp.dbf
    const char* source; // field of the customer table
    Kind kind;
    int width;
};

const Column kColumns[] = {
    {"K_NR", "K_NR", Kind::Text, 6},
    {"ANREDE", "ANREDE", Kind::Text, 10},
    {"VORNAME", "VORNAME", Kind::Text, 22},
    {"NAME", "NAME", Kind::Text, 22},
    {"STRASSE", "STRASSE", Kind::Text, 33},
    {"LAND", "LAND", Kind::Text, 4},
    {"PLZ", "PLZ", Kind::Text, 6},
    {"ORT", "ORT", Kind::Text, 28},
    {"TELEFON", "TELEFON", Kind::Text, 20},
    {"TELEFON2", "TELEFON2", Kind::Text, 20},
    {"FAX", "FAX", Kind::Text, 20},
    {"GEBURTSTAG", "GEBURTSTAG", Kind::Date, 8},
    {"N_DATUM", "N_DATUM", Kind::Date, 8},
    {"N_ZEIT", "N_ZEIT", Kind::Time, 8},
    {"WiederVor", "WiederVorlage", Kind::Date, 8},
    {"L_DATUM", "L_DATUM", Kind::Date, 8},
    {"E_DATUM", "E_DATUM", Kind::Date, 8},
    {"MCODE", "MCODE", Kind::Text, 20},
    {"MCODE2", "MCODE2", Kind::Text, 20},
    {"MCODE3", "MCODE3", Kind::Text, 20},
    {"EMAIL", "E-MAIL", Kind::Text, 40},
    {"GASTGEBER", "GASTGEBER", Kind::Text, 1},
    {"N_WOTAG", "N_DATUM", Kind::Weekday, 10},
};

QString sourceList()
{
    QStringList names;
    for (const Column& c : kColumns)
        names << QLatin1Char('"') + QString::fromLatin1(c.source) + QLatin1Char('"');
    return names.join(QStringLiteral(", "));
}

// The value of one field as written: dates "YYYYMMDD", the time as "hh:mm", texts in code page 437.
QByteArray cell(const Column& column, const QVariant& stored)
{
    const QString text = stored.toString();
    switch (column.kind) {
    case Kind::Text:
        return Cp437::encode(text).left(column.width);
    case Kind::Date:
        return QDate::fromString(text, Qt::ISODate).toString(QStringLiteral("yyyyMMdd")).toLatin1();
    case Kind::Weekday:
        return Cp437::encode(CustomerDbfExport::weekdayName(QDate::fromString(text, Qt::ISODate)));
    case Kind::Time:
        return text.left(5).toLatin1();
    }
    return {};
}

std::vector<DbfTableWriter::Field> fields()
{
    std::vector<DbfTableWriter::Field> list;
    for (const Column& c : kColumns)
        list.push_back({c.name, c.kind == Kind::Date ? 'D' : 'C', c.width});
    return list;
}

} // namespace

QString CustomerDbfExport::confirmation()
{
    return QStringLiteral("Es wird eine Exportdatei mit dem Namen >") + QStringLiteral("KundTemp") +
           QStringLiteral(".dbf< erzeugt");
}

QString CustomerDbfExport::weekdayName(const QDate& date)
{
    static const char* const names[] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                        "Freitag", "Samstag",  "Sonntag"};
    return date.isValid() ? QString::fromLatin1(names[date.dayOfWeek() - 1]) : QString();
}

bool CustomerDbfExport::Export(const CustomerView& view, const QString& directory, UiPort& ui)
{
    if (ui.question(confirmation(), UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
        return false;
    write(view, QDir(directory).filePath(kFileName));
    return true;
}

int CustomerDbfExport::write(const CustomerView& view, const QString& targetFile)
{
    DbfTableWriter dbf(targetFile, fields());
    const SqlCondition where = view.condition();
    Statement st = m_db.prepare(QStringLiteral("SELECT %1 FROM Kunden WHERE %2 ORDER BY %3")
                                    .arg(sourceList(), where.sql(), view.orderBy()));
    st.bindAll(where.params());
    while (st.next()) {
        QList<QByteArray> values;
        for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
            values << cell(kColumns[i], st.value(i));
        dbf.append(values);
    }
    dbf.commit();
    return dbf.written();
}

} // namespace korbelant
