#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace korbelant {

// The field alias list of a takeover: a source field without a namesake in the target table is
// written into the target field the list names for it. The list is kept as the text file holds
// it, one name per line, each source name followed on the next line by its target name. Names
// are compared without regard to case.
class FieldAliases
{
public:
    static inline const QString kFileName = QStringLiteral("TAlias.TXT");

    explicit FieldAliases(QStringList lines = {}) : m_lines(std::move(lines)) {}
    static FieldAliases fromPairs(const std::vector<std::pair<QString, QString>>& pairs);
    // The list of the DOS edition.
    static FieldAliases builtIn();
    // The list in the file (Windows-1252 text) when it can be read, else the built-in one.
    static FieldAliases load(const QString& file);

    // The target name for a source name: the line after the first source line equal to it.
    std::optional<QString> target(const QString& sourceField) const;
    const QStringList& lines() const { return m_lines; }

private:
    QStringList m_lines;
};

} // namespace korbelant
