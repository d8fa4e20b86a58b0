// Feeds arbitrary bytes to the Paradox reader of the takeovers, as a table and its memo file.
#include "TakeOverSourceFuzz.h"
#include "takeover/ParadoxSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace korbelant;
    return fuzz::readTakeOverSource(data, size, QStringLiteral("Fuzz.db"), QStringLiteral("Fuzz.MB"),
                                    [](const QString& table) { return ParadoxSource::open(table); });
}
