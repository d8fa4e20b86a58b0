#include "takeover/FieldAliases.h"

#include "core/Cp1252.h"

#include <QFile>
#include <QRegularExpression>

namespace korbelant {

FieldAliases FieldAliases::fromPairs(const std::vector<std::pair<QString, QString>>& pairs)
{
    QStringList lines;
    for (const auto& [source, target] : pairs)
        lines << source << target;
    return FieldAliases(lines);
}

FieldAliases FieldAliases::builtIn()
{
    const QString text = QStringLiteral("TEXT");
    const QString remark = QStringLiteral("Bemerkung");
    return fromPairs({{QStringLiteral("TEXT1"), text},
                      {QStringLiteral("TEXT2"), text},
                      {QStringLiteral("TEXT3"), text},
                      {QStringLiteral("TEXT4"), text},
                      {QStringLiteral("TEXT5"), text},
                      {QStringLiteral("ANGEBOTE"), QStringLiteral("S_ANGEBOTE")},
                      {QStringLiteral("ZUGFEDER"), QStringLiteral("S_VerkServicePr")},
                      {QStringLiteral("GEBUCHT"), QStringLiteral("Verabredung")},
                      {QStringLiteral("BUCH_DATUM"), QStringLiteral("Verabred_DATUM")},
                      {QStringLiteral("BUCH_ZEIT"), QStringLiteral("Verabred_ZEIT")},
                      {QStringLiteral("BEMERKUNG1"), remark},
                      {QStringLiteral("BEMERKUNG2"), remark},
                      {QStringLiteral("BEMERKUNG3"), remark},
                      {QStringLiteral("Wiedervorl"), QStringLiteral("Wiedervorlage")}});
}

FieldAliases FieldAliases::load(const QString& file)
{
    QFile in(file);
    if (file.isEmpty() || !in.open(QIODevice::ReadOnly))
        return builtIn();
    QStringList lines = Cp1252::decode(in.readAll()).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        line = line.trimmed();
    return FieldAliases(lines);
}

// Source names stand on every other line, so that a target name is never taken for a source.
std::optional<QString> FieldAliases::target(const QString& sourceField) const
{
    for (qsizetype i = 0; i + 1 < m_lines.size(); i += 2)
        if (m_lines.at(i).compare(sourceField, Qt::CaseInsensitive) == 0)
            return m_lines.at(i + 1);
    return std::nullopt;
}

} // namespace korbelant
