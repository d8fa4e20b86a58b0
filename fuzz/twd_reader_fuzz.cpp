// Feeds arbitrary bytes to the TWD reader and reads every field of every table it finds, then
// writes the file out again.
#include "exchange/TTWD_File.h"
#include "exchange/TwdError.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace korbelant;
    TTWD_File file;
    try {
        file.loadBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const TwdError&) {
        return 0;
    }
    for (int s = 0; s < file.sections().size(); ++s) {
        const TTWD_TableList& section = file.sections().at(s);
        for (const QString& key : {QStringLiteral("NAME"), QStringLiteral("WOCHE")})
            (void)file.GetValue(section.name(), key);
        for (int t = 0; t < section.tableCount(); ++t) {
            const TTWD_Table& table = section.tableAt(t);
            for (int n = -1; n <= table.recordCount(); ++n) {
                for (const QString& field : table.fields())
                    (void)table.GetField(n, field);
            }
        }
    }
    QStringList lines;
    file.WriteLines(lines);
    return 0;
}
