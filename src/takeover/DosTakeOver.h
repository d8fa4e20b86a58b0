#pragma once

#include "takeover/FieldAliases.h"
#include "takeover/TakeOverKind.h"

namespace korbelant {

class TakeOverSource;
struct TableDef;

// The takeover from the program's DOS edition: its dBASE tables in the directory of the option
// Dospfad are copied record by record into the tables of the same kind, fields matched by name
// or through the alias list (TAlias.TXT in the data home, else the built-in list).
class DosTakeOver : public TakeOverKind
{
public:
    static inline const QString kKey = QStringLiteral("dos");
    static inline const QString kOption = QStringLiteral("Dospfad");
    static inline const QString kInvalidPath =
        QStringLiteral("Der angegebene Pfad für Korbdos (DOS) ist ungültig. Bitte in Optionen ändern");
    static inline const QString kCheckFile = QStringLiteral("Kunden.dbf");

    QString key() const override { return kKey; }
    QString title() const override { return QStringLiteral("Daten von Korbelant (Dos) importieren  "); }
    QString sourceCaption() const override { return QStringLiteral("DOS"); }
    QString targetCaption() const override { return QStringLiteral("WIN 95"); }
    std::vector<TakeOverRow> rows() const override;
    QString initialSource(const Options& options) const override;
    void sourceChosen(Options& options, const QString& source) const override;
    bool stoppableWhileRunning() const override { return false; }
    QString checkSource(const QString& source) const override;
    void runRow(TakeOverRun& run, int row) override;

    // Copies every record of the source into a new record of the target table; a record the
    // table refuses is dropped. The number of records stored.
    static int TakeOverTable(TakeOverRun& run, TakeOverSource& source, const TableDef& target,
                             const FieldAliases& aliases);

private:
    struct Step
    {
        const char* file;
        const char* table;
        const char* status;
    };

    void copy(TakeOverRun& run, const Step& step, bool showCounts);
    void aliasesFor(TakeOverRun& run);

    FieldAliases m_aliases;
};

} // namespace korbelant
