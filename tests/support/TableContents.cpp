#include "support/TableContents.h"

#include "core/Database.h"

namespace korbelant::test {

QString tableContents(Database& db, std::initializer_list<const char*> tables)
{
    QString text;
    for (const char* table : tables) {
        text += QString::fromLatin1(table) + QLatin1Char('\n');
        for (const QVariantList& row :
             db.rows(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QString::fromLatin1(table)))) {
            for (const QVariant& value : row)
                text += value.toString() + QLatin1Char(';');
            text += QLatin1Char('\n');
        }
    }
    return text;
}

} // namespace korbelant::test
