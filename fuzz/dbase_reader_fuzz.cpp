// Feeds arbitrary bytes to the dBASE reader of the takeovers, as a table and its memo file.
#include "TakeOverSourceFuzz.h"
#include "takeover/DbfSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace korbelant;
    return fuzz::readTakeOverSource(data, size, QStringLiteral("Fuzz.dbf"), QStringLiteral("Fuzz.dbt"),
                                    [](const QString& table) { return DbfSource::open(table); });
}
