#include "exchange/FixedFormatTable.h"

#include "core/Database.h"
#include "exchange/DiskTextFile.h"

#include <QRegularExpression>

namespace korbelant {

std::vector<FixedFormatTable::Field> FixedFormatTable::parse(const QString& description)
{
    static const QRegularExpression line(
        QStringLiteral("^\\s*Field\\d+\\s*=\\s*([^,]+),[^,]*,(\\d+),\\d*,(\\d+)\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    std::vector<Field> fields;
    auto matches = line.globalMatch(description);
    while (matches.hasNext()) {
        const QRegularExpressionMatch m = matches.next();
        fields.push_back({m.captured(1).trimmed(), m.captured(3).toInt(), m.captured(2).toInt()});
    }
    return fields;
}

std::optional<std::vector<FixedFormatTable::Field>> FixedFormatTable::layoutOf(Database& db,
                                                                               const QString& fileName)
{
    const auto rows =
        db.rows(QStringLiteral("SELECT FILDLIST FROM TWFILELIST WHERE FILENAME = ?"), {fileName});
    if (rows.empty())
        return std::nullopt;
    std::vector<Field> fields = parse(rows.front().at(0).toString());
    if (fields.empty())
        return std::nullopt;
    return fields;
}

QVariantMap FixedFormatTable::record(const std::vector<Field>& fields, const QString& line)
{
    QVariantMap values;
    for (const Field& f : fields) {
        QString text = line.mid(f.offset, f.width);
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        values.insert(f.name, text);
    }
    return values;
}

std::optional<std::vector<QVariantMap>> FixedFormatTable::read(Database& db, const QString& path,
                                                               const QString& fileName)
{
    const auto fields = layoutOf(db, fileName);
    const auto lines = DiskTextFile::read(path);
    if (!fields || !lines)
        return std::nullopt;
    std::vector<QVariantMap> records;
    for (const QString& line : *lines)
        if (!line.trimmed().isEmpty() && line != QStringLiteral("\x1a"))
            records.push_back(record(*fields, line));
    return records;
}

} // namespace korbelant
