#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace korbelant {

// The spin buttons of the week window: the counts of the week record (planned parties,
// recruiting visits, printed-matter quantities) and the quantities of the request items.
class WeekRecordSpin
{
public:
    // Whether a week-record field has a spin button (VORFUEHR_1 .. 6, REK_BESUCH, DR_1 .. 19).
    static bool spinnable(const QString& field);
    // "up": an empty field becomes 1, else one more.
    static QVariant up(const QVariant& value);
    // "down": an empty field stays empty, 0 or less becomes 0, else one less.
    static QVariant down(const QVariant& value);

    // The quantity of a request item after "up"; nullopt when nothing changes (no code, or
    // `max` is not 0 and the quantity has reached it).
    static std::optional<int> requestUp(const QString& kodierung, int menge, int max);
    // After "down": one less, never below 0; nullopt for an item without code.
    static std::optional<int> requestDown(const QString& kodierung, int menge);
};

} // namespace korbelant
