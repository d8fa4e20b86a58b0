#pragma once

#include <QString>

namespace korbelant {

// Size, position and article-list height of the guest window, kept in Optionen.ini in the
// section [TNewGuestForm] under keys made of the window name and "Width", "Height", "Top",
// "Left" and "Tabelle".
struct GuestWindowGeometry
{
    static inline const QString kSection = QStringLiteral("TNewGuestForm");
    static inline const QString kPrefix = QStringLiteral("NewGuestForm");
    static constexpr int kStandardWidth = 590;
    static constexpr int kStandardHeight = 452;
    static constexpr int kStandardList = 77;
    static constexpr int kListStep = 18;
    static constexpr int kMinList = 36;
    static constexpr int kListMargin = 70;

    int width = kStandardWidth;
    int height = kStandardHeight;
    int top = -1; // -1: not stored yet, the window is centred
    int left = -1;
    int list = kStandardList;

    // Reads the section; missing or unreadable keys keep the standard values.
    static GuestWindowGeometry load(const QString& iniPath);
    // Writes the section; the rest of the file stays as it is. False when it cannot be written.
    bool save(const QString& iniPath) const;
    // "Fenster auf Standardgröße stellen".
    void setStandard();
    // The list height one step up (+1) or down (-1), never below 36 nor above the order area's
    // height minus 70.
    static int stepList(int current, int direction, int orderAreaHeight);
    // The list's height in a window of this height: the stored height, and half of what the
    // window is taller than its standard height (the order lines take the other half).
    int shownList(int windowHeight) const;
};

} // namespace korbelant
