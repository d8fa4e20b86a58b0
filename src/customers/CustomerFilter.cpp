#include "customers/CustomerFilter.h"

#include "core/GermanFormat.h"
#include "core/SqlPattern.h"
#include "customers/ContactFlags.h"

namespace korbelant {

namespace {

const QString kContactPerMedium = QStringLiteral("RadioButtonKontaktEinzeln");
const QString kGeneralFrom = QStringLiteral("NewDateEdit_LetzterLontaktVON");
const QString kGeneralTo = QStringLiteral("NewDateEdit_LetzterLontaktBIS");

struct Medium
{
    const char* column;
    const char* fromField;
    const char* toField;
};

const Medium kMedia[] = {
    {"L_TELEFON", "NewDateEdit_LetzterLontakt_TEL_VON", "NewDateEdit_LetzterLontakt_TEL_BIS"},
    {"L_MAIL", "NewDateEdit_LetzterLontakt_MAIL_VON", "NewDateEdit_LetzterLontakt_MAIL_BIS"},
    {"L_BRIEF", "NewDateEdit_LetzterLontakt_BRIEF_VON", "NewDateEdit_LetzterLontakt_BRIEF_BIS"}};

QString s(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

bool isEmptyDateText(const QString& text)
{
    QString rest = text;
    rest.remove(QLatin1Char(' ')).remove(QLatin1Char('_')).remove(QLatin1Char('.'));
    return rest.isEmpty();
}

bool isCheckedText(const QString& text)
{
    const QString t = text.trimmed().toLower();
    return t == QStringLiteral("j") || t == QStringLiteral("ja") || t == QStringLiteral("1") ||
           t == QStringLiteral("-1") || t == QStringLiteral("true");
}

} // namespace

const QStringList& CustomerFilter::fieldNames()
{
    static const QStringList names = [] {
        QStringList n{QStringLiteral("K_NR_MIN"),
                      QStringLiteral("K_NR_max"),
                      QStringLiteral("Name_Min"),
                      QStringLiteral("Name_max"),
                      QStringLiteral("PLZ_min"),
                      QStringLiteral("PLZ_max"),
                      QStringLiteral("Ort_MIN"),
                      QStringLiteral("Ort_MAX"),
                      QStringLiteral("EMAIL_MIN"),
                      QStringLiteral("EMAIL_MAX"),
                      QStringLiteral("KM_MIN"),
                      QStringLiteral("KM_MAX"),
                      QStringLiteral("NV_min"),
                      QStringLiteral("NV_max"),
                      QStringLiteral("LV_min"),
                      QStringLiteral("LV_max"),
                      QStringLiteral("WV_MIN"),
                      QStringLiteral("WV_MAX"),
                      QStringLiteral("GB_MIN"),
                      QStringLiteral("GB_MAX"),
                      QStringLiteral("GTE"),
                      QStringLiteral("mc1_min"),
                      QStringLiteral("mc1_max"),
                      QStringLiteral("mc2_min"),
                      QStringLiteral("mc2_max"),
                      QStringLiteral("mc3_min"),
                      QStringLiteral("mc3_max"),
                      QStringLiteral("Edit_BZHVF"),
                      QStringLiteral("BEdit"),
                      kGeneralFrom,
                      kGeneralTo};
        for (const ContactFlags::Flag& f : ContactFlags::all())
            n << f.filterField;
        for (const Medium& m : kMedia)
            n << s(m.fromField) << s(m.toField);
        n << kContactPerMedium;
        return n;
    }();
    return names;
}

QString CustomerFilter::canonicalName(const QString& name)
{
    for (const QString& known : fieldNames()) {
        if (known.compare(name, Qt::CaseInsensitive) == 0)
            return known;
    }
    return {};
}

bool CustomerFilter::set(const QString& field, const QString& value)
{
    const QString name = canonicalName(field);
    if (name.isEmpty())
        return false;
    if (name == kContactPerMedium)
        m_contactPerMedium = isCheckedText(value);
    else
        m_values.insert(name, value);
    return true;
}

QString CustomerFilter::value(const QString& field) const
{
    return m_values.value(canonicalName(field));
}

bool CustomerFilter::checked(const QString& field) const
{
    return isCheckedText(value(field));
}

QStringList CustomerFilter::setAll(const QVariantMap& values)
{
    QStringList unknown;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (!set(it.key(), it.value().toString()))
            unknown << it.key();
    }
    return unknown;
}

void CustomerFilter::clear()
{
    m_values.clear();
}

bool CustomerFilter::contactPerMedium() const
{
    return m_contactPerMedium;
}

void CustomerFilter::setContactPerMedium(bool perMedium)
{
    m_contactPerMedium = perMedium;
}

QString CustomerFilter::isoDate(Expression& e, const QString& field) const
{
    const QString text = value(field).trimmed();
    if (isEmptyDateText(text))
        return {};
    const auto date = GermanFormat::parseDate(text);
    if (!date) {
        if (e.ok())
            e.error = QStringLiteral("\"%1\" ist kein gültiges Datum.").arg(text);
        return {};
    }
    return date->toString(Qt::ISODate);
}

void CustomerFilter::addTextRange(Expression& e, const QString& column, const QString& minField,
                                  const QString& maxField) const
{
    const QString low = value(minField);
    const QString high = value(maxField);
    if (!low.isEmpty())
        e.condition.add(column + QStringLiteral(" >= ?"), {low});
    if (!high.isEmpty())
        e.condition.add(column + QStringLiteral(" <= ?"), {SqlPattern::through(high)});
}

void CustomerFilter::addDateRange(Expression& e, const QString& column, const QString& minField,
                                  const QString& maxField) const
{
    const QString low = isoDate(e, minField);
    const QString high = isoDate(e, maxField);
    if (!low.isEmpty())
        e.condition.add(column + QStringLiteral(" >= ?"), {low});
    if (!high.isEmpty())
        e.condition.add(column + QStringLiteral(" <= ?"), {high});
}

void CustomerFilter::addDistance(Expression& e) const
{
    const QString lowText = value(QStringLiteral("KM_MIN")).trimmed();
    const QString highText = value(QStringLiteral("KM_MAX")).trimmed();
    auto number = [&](const QString& text) -> QVariant {
        if (text.isEmpty())
            return {};
        const auto parsed = GermanFormat::parseAmount(text);
        if (!parsed) {
            if (e.ok())
                e.error = QStringLiteral("Die Entfernung \"%1\" ist keine Zahl.").arg(text);
            return {};
        }
        return *parsed;
    };
    const QVariant low = number(lowText);
    const QVariant high = number(highText);
    if (low.isValid() && high.isValid() && low.toDouble() == high.toDouble()) {
        e.condition.add(QStringLiteral("KM_ENTF = ?"), {low});
        return;
    }
    if (low.isValid())
        e.condition.add(QStringLiteral("KM_ENTF >= ?"), {low});
    if (high.isValid())
        e.condition.add(QStringLiteral("KM_ENTF <= ?"), {high});
}

void CustomerFilter::addContacts(Expression& e) const
{
    if (!m_contactPerMedium) {
        // Any contact on or after the first date; no contact after the second one (a medium
        // never used counts as no contact).
        const QString from = isoDate(e, kGeneralFrom);
        const QString to = isoDate(e, kGeneralTo);
        if (!from.isEmpty())
            e.condition.add(QStringLiteral("(L_TELEFON >= ?) OR (L_MAIL >= ?) OR (L_BRIEF >= ?)"),
                            {from, from, from});
        if (!to.isEmpty())
            e.condition.add(
                QStringLiteral(
                    "(IFNULL(L_TELEFON <= ?, 1)) AND (IFNULL(L_MAIL <= ?, 1)) AND (IFNULL(L_BRIEF <= ?, 1))"),
                {to, to, to});
        return;
    }
    for (const Medium& m : kMedia)
        addDateRange(e, s(m.column), s(m.fromField), s(m.toField));
}

void CustomerFilter::addFlags(Expression& e) const
{
    for (const ContactFlags::Flag& f : ContactFlags::all()) {
        if (checked(f.filterField))
            e.condition.add(f.column + QStringLiteral(" = ?"), {QStringLiteral("J")});
    }
    const QString event = value(QStringLiteral("Edit_BZHVF"));
    if (!event.isEmpty())
        e.condition.add(QStringLiteral("BZH_VERANSTALT = ?"), {event});
}

void CustomerFilter::addBirthdayAndEmail(Expression& e) const
{
    for (auto [field, target] : {std::pair{QStringLiteral("GB_MIN"), &e.recordFilter.birthdayFrom},
                                 std::pair{QStringLiteral("GB_MAX"), &e.recordFilter.birthdayTo}}) {
        const QString iso = isoDate(e, field);
        if (!iso.isEmpty())
            *target = CustomerRecordFilter::monthDay(QDate::fromString(iso, Qt::ISODate));
    }
    e.recordFilter.emailFrom = value(QStringLiteral("EMAIL_MIN"));
    e.recordFilter.emailTo = value(QStringLiteral("EMAIL_MAX"));
}

CustomerFilter::Expression CustomerFilter::expression() const
{
    Expression e;
    // The customer number's lower bound is always the first part, an empty one included.
    e.condition.add(QStringLiteral("K_NR >= ?"), {value(QStringLiteral("K_NR_MIN"))});
    const QString numberTo = value(QStringLiteral("K_NR_max"));
    if (!numberTo.isEmpty())
        e.condition.add(QStringLiteral("K_NR <= ?"), {numberTo});
    addTextRange(e, QStringLiteral("NAME"), QStringLiteral("Name_Min"), QStringLiteral("Name_max"));
    addTextRange(e, QStringLiteral("MCODE"), QStringLiteral("mc1_min"), QStringLiteral("mc1_max"));
    addTextRange(e, QStringLiteral("MCODE2"), QStringLiteral("mc2_min"), QStringLiteral("mc2_max"));
    addTextRange(e, QStringLiteral("MCODE3"), QStringLiteral("mc3_min"), QStringLiteral("mc3_max"));
    addDateRange(e, QStringLiteral("WiederVorlage"), QStringLiteral("WV_MIN"), QStringLiteral("WV_MAX"));
    addDateRange(e, QStringLiteral("N_DATUM"), QStringLiteral("NV_min"), QStringLiteral("NV_max"));
    addDateRange(e, QStringLiteral("L_DATUM"), QStringLiteral("LV_min"), QStringLiteral("LV_max"));
    const QString guestType = value(QStringLiteral("GTE")).trimmed();
    if (!guestType.isEmpty())
        e.condition.add(QStringLiteral("GASTGEBER = ?"), {guestType});
    addTextRange(e, QStringLiteral("PLZ"), QStringLiteral("PLZ_min"), QStringLiteral("PLZ_max"));
    addBirthdayAndEmail(e);
    addDistance(e);
    addTextRange(e, QStringLiteral("ORT"), QStringLiteral("Ort_MIN"), QStringLiteral("Ort_MAX"));
    addContacts(e);
    addFlags(e);
    return e;
}

} // namespace korbelant
