#pragma once

#include "core/TableDef.h"

#include <QDate>
#include <QStringList>
#include <QVariantMap>
#include <optional>

namespace korbelant {

// Reading the arguments of a command: counts, dates "dd.mm.yyyy", amounts with comma or point,
// FIELD=VALUE pairs. Wrong arguments throw CliUsageError with a German message; values the rules
// refuse (pieces that are no whole number, texts too long for their field) throw CliRefusal.
class CliArgs
{
public:
    static void expectCount(const QStringList& args, int min, int max);
    static QDate date(const QString& text);
    static double amount(const QString& text);
    static QVariantMap fieldValues(const QStringList& args);
    // Takes "NAME VALUE" out of the arguments, wherever it stands; nullopt when NAME is not there.
    // A NAME without a value throws with missingValue.
    static std::optional<QString> takeOption(QStringList& args, const QString& name,
                                             const QString& missingValue);

    // Pieces as the order grid takes them: any whole number, negative and zero included.
    static int pieces(const QString& text);
    // Every value of a field of the table fits the field's width.
    static void expectFits(const TableDef& table, const QVariantMap& values);
};

} // namespace korbelant
