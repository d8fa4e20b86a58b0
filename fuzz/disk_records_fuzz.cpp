// Feeds arbitrary bytes to the readers of the exchange disk's fixed-width files: the seal check,
// the split into lines, the conversions of the consultant and article records and the checks of
// the order, success and address records.
#include "exchange/DiskFileSeal.h"
#include "exchange/DiskRecordCheck.h"
#include "exchange/DiskRecordConversion.h"
#include "exchange/DiskTextFile.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace korbelant;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)DiskFileSeal::isValid(bytes);
    if (!DiskFileSeal::isValid(DiskFileSeal::sealed(bytes)))
        __builtin_trap();
    for (const QString& line : DiskTextFile::lines(bytes)) {
        if (const auto consultant = DiskRecordConversion::PCBERAT(line);
            consultant && consultant->size() != 140)
            __builtin_trap();
        if (const auto article = DiskRecordConversion::PCART(line); article && article->size() != 77)
            __builtin_trap();
        qint64 quantity = 0;
        if (const auto order = DiskRecordCheck::orderRecord(line, quantity); order && order->size() != 25)
            __builtin_trap();
        DiskRecordCheck::SuccessCounts counts{};
        if (const auto success = DiskRecordCheck::successRecord(line, counts);
            success && success->size() != 45)
            __builtin_trap();
        (void)DiskRecordCheck::addressRecord(line);
    }
    return 0;
}
