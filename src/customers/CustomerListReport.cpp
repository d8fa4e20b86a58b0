#include "customers/CustomerListReport.h"

#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "customers/CustomerFilter.h"
#include "customers/CustomerView.h"
#include "customers/GuestTypeName.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

#include <QHash>
#include <QRegularExpression>

#include <memory>

namespace korbelant {

namespace {

// One customer's printed values; a field that was not read gives an empty text.
struct Record
{
    std::shared_ptr<const QHash<QString, int>> columns;
    QStringList values;

    QString value(const QString& field) const
    {
        const auto it = columns->constFind(field);
        return it == columns->cend() ? QString() : values.at(*it);
    }
};
using Kind = CustomerListReport::Kind;

const QStringList kFields{
    QStringLiteral("K_NR"),      QStringLiteral("NAME"),          QStringLiteral("VORNAME"),
    QStringLiteral("STRASSE"),   QStringLiteral("PLZ"),           QStringLiteral("ORT"),
    QStringLiteral("TELEFON"),   QStringLiteral("TELEFON2"),      QStringLiteral("FAX"),
    QStringLiteral("L_DATUM"),   QStringLiteral("N_DATUM"),       QStringLiteral("N_ZEIT"),
    QStringLiteral("MCODE"),     QStringLiteral("MCODE2"),        QStringLiteral("MCODE3"),
    QStringLiteral("GASTGEBER"), QStringLiteral("WiederVorlage"), QStringLiteral("TEXT")};

const QHash<QString, QString>& freeLabels()
{
    static const QHash<QString, QString> labels{
        {QStringLiteral("MCODE"), QStringLiteral("Matchcode")},
        {QStringLiteral("MCODE2"), QStringLiteral("Matchcode2")},
        {QStringLiteral("MCODE3"), QStringLiteral("Matchcode3")},
        {QStringLiteral("TELEFON2"), QStringLiteral("Telefon 2")},
        {QStringLiteral("FAX"), QStringLiteral("Fax")},
        {QStringLiteral("GEBURTSTAG"), QStringLiteral("Geburtstag")},
        {QStringLiteral("FAM_STAND"), QStringLiteral("Familienstand")},
        {QStringLiteral("KINDER"), QStringLiteral("Kinder")},
        {QStringLiteral("E_DATUM"), QStringLiteral("Kunde seit")},
        {QStringLiteral("L_DATUM"), QStringLiteral("Letzte V.")},
        {QStringLiteral("N_DATUM"), QStringLiteral("Nächste V.")},
        {QStringLiteral("KM_ENTF"), QStringLiteral("Entfernung")},
        {QStringLiteral("GASTGEBER"), QStringLiteral("Gasttyp")},
        {QStringLiteral("WIEDERVORLAGE"), QStringLiteral("Wiedervorlage")},
        {QStringLiteral("E-MAIL"), QStringLiteral("E-Mail")}};
    return labels;
}

// Dates print as dd.mm.yyyy, times as hh:mm, everything else as stored.
QString printable(const QVariant& value)
{
    const QString text = value.toString();
    if (text.size() == 10) {
        if (const QDate date = QDate::fromString(text, Qt::ISODate); date.isValid())
            return date.toString(QStringLiteral("dd.MM.yyyy"));
    }
    if (text.size() == 8) {
        if (const QTime time = QTime::fromString(text, QStringLiteral("HH:mm:ss")); time.isValid())
            return time.toString(QStringLiteral("HH:mm"));
    }
    return text;
}

// The free fields that are columns of the customer table, by their stored spelling; others empty.
QStringList knownFields(Database& db, const QStringList& chosen)
{
    const QStringList columns = db.columns(QStringLiteral("Kunden"));
    QStringList known;
    for (const QString& field : chosen) {
        QString found;
        for (const QString& column : columns)
            if (column.compare(field.trimmed(), Qt::CaseInsensitive) == 0)
                found = column;
        known << found;
    }
    return known;
}

std::vector<Record> records(Database& db, const QStringList& customers, const QStringList& extra)
{
    QStringList fields = kFields;
    for (const QString& field : extra)
        if (!field.isEmpty() && !fields.contains(field))
            fields << field;
    QStringList quoted;
    for (const QString& field : fields)
        quoted << QLatin1Char('"') + field + QLatin1Char('"');
    auto columns = std::make_shared<QHash<QString, int>>();
    for (int i = 0; i < fields.size(); ++i)
        columns->insert(fields.at(i), i);
    QHash<QString, Record> byNumber;
    byNumber.reserve(customers.size());
    Statement query = db.prepare(QStringLiteral("SELECT %1 FROM Kunden").arg(quoted.join(QLatin1Char(','))));
    while (query.next()) {
        Record r{columns, {}};
        r.values.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            r.values << printable(query.value(i));
        const QString number = r.values.first(); // K_NR comes first
        byNumber.insert(number, std::move(r));
    }
    std::vector<Record> list;
    list.reserve(static_cast<size_t>(customers.size()));
    for (const QString& number : customers)
        if (byNumber.contains(number))
            list.push_back(byNumber.value(number));
    return list;
}

QString fullName(const Record& r)
{
    return r.value(QStringLiteral("NAME")).trimmed() + QStringLiteral(", ") +
           r.value(QStringLiteral("VORNAME"));
}

QString address(const Record& r)
{
    return r.value(QStringLiteral("PLZ")).trimmed() + QStringLiteral("  ") + r.value(QStringLiteral("ORT")) +
           QStringLiteral("  ") + r.value(QStringLiteral("STRASSE"));
}

QString guestType(const Record& r)
{
    return GuestTypeName::printed(r.value(QStringLiteral("GASTGEBER")));
}

struct Layout
{
    QString title;
    ReportDocument::Orientation orientation = ReportDocument::Orientation::Portrait;
    std::vector<ReportColumn> columns;
};

ReportColumn col(const char* title, double width)
{
    return ReportColumn::text(QString::fromUtf8(title), width);
}

Layout layoutOf(Kind kind, const QStringList& freeFields)
{
    using O = ReportDocument::Orientation;
    switch (kind) {
    case Kind::Addresses:
    case Kind::AddressesWithNotes:
        return {QStringLiteral("Kundenübersicht"),
                O::Landscape,
                {col("K.-NR.", 14), col("Name,", 30), col("Vorname", 22), col("Plz", 13), col("Ort", 28),
                 col("Strasse", 36), col("Telefon,\nTelefon- 2,", 26), col("Fax", 22),
                 col("Letzte V.\nNächste V.", 20), col("Matchcode,\nMatchcode2,\nMatchcode3", 30),
                 col("Gasttyp", 28)}};
    case Kind::AppointmentBook:
        return {QStringLiteral("Kunden-Übersicht für Datenbuch"),
                O::Landscape,
                {col("K.-Nr.", 14), col("Name,", 34), col("Vorname", 26), col("Strasse", 40), col("Plz", 13),
                 col("Ort", 34), col("Telefon", 28), col("Fax", 28), col("Nächst.\nVorfü.", 22),
                 col("Zeit", 12)}};
    case Kind::Phones:
        return {QStringLiteral("Telefonliste"),
                O::Landscape,
                {col("K.-Nr.", 14), col("Name,", 28), col("Vorname", 22), col("Strasse", 34), col("Plz", 13),
                 col("Ort", 28), col("Telefon", 24), col("Telefon 2", 22), col("Fax", 20), col("Gasttyp", 28),
                 col("Nächst.\nVorfü.", 20), col("Wiedervorl.", 20)}};
    case Kind::Short:
        return {QStringLiteral("Kunden Kurzliste"),
                O::Portrait,
                {col("K.-Nr.", 14), col("Name, Vorname", 46), col("Plz Ort Strasse", 70), col("Telefon", 26),
                 col("Nächst. Vorfü.", 26)}};
    case Kind::FreeShort:
    case Kind::FreeShortLandscape:
        break;
    }
    const bool wide = kind == Kind::FreeShortLandscape;
    Layout layout{QString(),
                  wide ? O::Landscape : O::Portrait,
                  {col("K.-Nr.", 14), col("Name, Vorname", wide ? 52 : 44),
                   col("Plz Ort Strasse", wide ? 84 : 66), col("Telefon", 26)}};
    // Empty fields at the end leave their room to the fields before them.
    const double room = wide ? 90 : 50;
    for (const QString& field : freeFields)
        layout.columns.push_back(
            ReportColumn::text(freeLabels().value(field.toUpper()), room / freeFields.size()));
    return layout;
}

ReportRow rowOf(Kind kind, const Record& r, const QStringList& freeFields)
{
    const auto v = [&](const char* field) { return r.value(QString::fromLatin1(field)); };
    switch (kind) {
    case Kind::Addresses:
    case Kind::AddressesWithNotes: {
        ReportRow row({v("K_NR"), v("NAME"), v("VORNAME"), v("PLZ"), v("ORT"), v("STRASSE"), v("TELEFON"),
                       v("FAX"), v("L_DATUM"), v("MCODE"), guestType(r)});
        // The second and third lines only when they hold something.
        const QStringList second{QString(),     QString(), QString(),    QString(),   QString(), QString(),
                                 v("TELEFON2"), QString(), v("N_DATUM"), v("MCODE2"), QString()};
        const QStringList third{QString(), QString(), QString(), QString(),   QString(), QString(),
                                QString(), QString(), QString(), v("MCODE3"), QString()};
        for (const QStringList& line : {second, third})
            if (!line.join(QString()).trimmed().isEmpty())
                row.extraLines << line;
        if (kind == Kind::AddressesWithNotes && !v("TEXT").trimmed().isEmpty())
            row.wideLines = v("TEXT").split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        row.underlined = kind == Kind::AddressesWithNotes;
        return row;
    }
    case Kind::AppointmentBook:
        return ReportRow({v("K_NR"), v("NAME"), v("VORNAME"), v("STRASSE"), v("PLZ"), v("ORT"), v("TELEFON"),
                          v("FAX"), v("N_DATUM"), v("N_ZEIT")});
    case Kind::Phones:
        return ReportRow({v("K_NR"), v("NAME"), v("VORNAME"), v("STRASSE"), v("PLZ"), v("ORT"), v("TELEFON"),
                          v("TELEFON2"), v("FAX"), guestType(r), v("N_DATUM"), v("WiederVorlage")});
    case Kind::Short:
        return ReportRow({v("K_NR"), fullName(r), address(r), v("TELEFON"),
                          (v("N_DATUM") + QLatin1Char(' ') + v("N_ZEIT")).trimmed()});
    case Kind::FreeShort:
    case Kind::FreeShortLandscape:
        break;
    }
    QVariantList values{v("K_NR"), fullName(r), address(r), v("TELEFON")};
    for (const QString& field : freeFields)
        values << (field.isEmpty() ? QString() : r.value(field));
    return ReportRow(values);
}

} // namespace

const QStringList& CustomerListReport::freeFieldChoices()
{
    static const QStringList choices{
        QStringLiteral("leer"),       QStringLiteral("MCODE"),     QStringLiteral("MCODE2"),
        QStringLiteral("MCODE3"),     QStringLiteral("TELEFON2"),  QStringLiteral("FAX"),
        QStringLiteral("GEBURTSTAG"), QStringLiteral("FAM_STAND"), QStringLiteral("KINDER"),
        QStringLiteral("E_DATUM"),    QStringLiteral("L_DATUM"),   QStringLiteral("N_DATUM"),
        QStringLiteral("KM_ENTF"),    QStringLiteral("GASTGEBER"), QStringLiteral("WIEDERVORLAGE"),
        QStringLiteral("E-MAIL")};
    return choices;
}

ReportDocument CustomerListReport::document(Kind kind, Database& db, const QStringList& customers,
                                            const QStringList& freeFields, const QString& title)
{
    QStringList fields = knownFields(db, freeFields);
    while (!fields.isEmpty() && fields.last().isEmpty())
        fields.removeLast();
    const Layout layout = layoutOf(kind, fields);
    ReportSection section;
    section.columns = layout.columns;
    ReportGroup group;
    for (const Record& r : records(db, customers, fields))
        group.rows.push_back(rowOf(kind, r, fields));
    section.groups.push_back(std::move(group));
    ReportDocument doc;
    doc.title = layout.title.isEmpty() ? (title.trimmed().isEmpty() ? kFreeTitle : title) : layout.title;
    doc.orientation = layout.orientation;
    doc.frame = ReportFrame::read(db);
    doc.sections.push_back(std::move(section));
    return doc;
}

ReportDocument CustomerListReport::build(DataSet& set, Kind kind, const QStringList& args)
{
    CustomerView view(set.db());
    if (!args.isEmpty()) {
        CustomerFilter filter;
        QVariantMap entries;
        for (const QString& arg : args) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            if (eq <= 0)
                throw ReportError(QStringLiteral("\"%1\" ist keine Angabe FILTERFELD=WERT.").arg(arg));
            entries.insert(arg.left(eq), arg.mid(eq + 1));
        }
        const QStringList unknown = filter.setAll(entries);
        if (!unknown.isEmpty())
            throw ReportError(
                QStringLiteral("Unbekannte Filterfelder: %1").arg(unknown.join(QStringLiteral(", "))));
        ScriptedUi ui;
        view.applyFilterDialog(filter, ui);
    }
    QStringList customers;
    for (const CustomerRow& row : view.rows())
        customers << row.number;
    return document(kind, set.db(), customers);
}

ReportDocument CustomerListReport::buildFree(DataSet& set, Kind kind, const QStringList& args)
{
    QStringList rest = args;
    QString title;
    const qsizetype at = rest.indexOf(QStringLiteral("--titel"));
    if (at >= 0) {
        if (at + 1 >= rest.size())
            throw ReportError(QStringLiteral("Nach --titel fehlt der Titel."));
        title = rest.at(at + 1);
        rest.remove(at, 2);
    }
    const int count = kind == Kind::FreeShortLandscape ? 4 : 2;
    if (rest.size() != count)
        throw ReportError(
            QStringLiteral("Die freie Kurzliste braucht %1 Felder (leer für keines).").arg(count));
    CustomerView view(set.db());
    QStringList customers;
    for (const CustomerRow& row : view.rows())
        customers << row.number;
    return document(kind, set.db(), customers, rest, title);
}

void CustomerListReport::registerIn(ReportRegistry& registry)
{
    const struct
    {
        const char* name;
        Kind kind;
        const char* text;
    } lists[] = {{"adressliste", Kind::Addresses, "Kundenübersicht"},
                 {"adressliste-bemerkungen", Kind::AddressesWithNotes, "Kundenübersicht mit den Bemerkungen"},
                 {"datenbuch", Kind::AppointmentBook, "Kunden-Übersicht für Datenbuch"},
                 {"telefonliste", Kind::Phones, "Telefonliste"},
                 {"kurzliste", Kind::Short, "Kunden Kurzliste"}};
    for (const auto& list : lists) {
        const Kind kind = list.kind;
        registry.add(
            {QString::fromLatin1(list.name), QStringLiteral("[FILTERFELD=WERT…]"),
             QString::fromUtf8(list.text) + QStringLiteral(" der Kunden, wie der Filter sie auswählt"),
             [kind](DataSet& set, const QStringList& args) { return build(set, kind, args); }});
    }
    registry.add(
        {QStringLiteral("freie-kurzliste"), QStringLiteral("FELD1 FELD2 [--titel T]"),
         QStringLiteral("Freie Kurzliste mit zwei gewählten Feldern (leer für keines)"),
         [](DataSet& set, const QStringList& args) { return buildFree(set, Kind::FreeShort, args); }});
    registry.add({QStringLiteral("freie-kurzliste-quer"), QStringLiteral("F1 F2 F3 F4 [--titel T]"),
                  QStringLiteral("Freie Kurzliste (quer) mit vier gewählten Feldern"),
                  [](DataSet& set, const QStringList& args) {
                      return buildFree(set, Kind::FreeShortLandscape, args);
                  }});
}

} // namespace korbelant
