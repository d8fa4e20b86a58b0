#pragma once

#include "core/ResultTable.h"
#include "week/WeekRange.h"

#include <QString>
#include <optional>

namespace korbelant {

class Options;
class TWocheDataModul;
class UiPort;

// "Bestelldaten Vor&schau" of the week window: what the week's transfer would hand over for the
// marked part-weeks (all of them when none are marked), after the questions about parties that
// were transferred before and about more parties than one disk takes.
class OrderDataPreview
{
public:
    static inline const QString kAlreadyWritten =
        QStringLiteral("Sie haben in ihrer Wochenbestellung Vorführungen die schon einmal auf Diskette "
                       "geschrieben wurden. \r "
                       "Ist es beabsichtigt diese Vorführungen erneut auf Diskette zu schreiben?");
    static inline const QString kMoreThanNine =
        QStringLiteral("Sie haben in ihrer Wochenbestellung mehr als neun Vorführungen gewählt. \r "
                       "Automatisch mehrere Disketten erstellen?");
    static constexpr int kPartiesPerDisk = 9;

    struct Data
    {
        WeekRange range;
        ResultTable orders;         // the order lines with OnDisk
        ResultTable success;        // the success figures per part-week
        ResultTable addresses;      // hosts, appointments and nominations
        bool withAddresses = false; // option GGAdress: the addresses are handed over
    };

    // nullopt when a question was answered No or the range holds no party.
    static std::optional<Data> prepare(TWocheDataModul& week, const Options& options, UiPort& ui);
};

} // namespace korbelant
