#pragma once

#include "articles/ArticleStatusSwitches.h"

#include <QString>
#include <optional>

namespace korbelant {

class TArtikelModul;

// The article window as a chooser for an order line: it starts with the caller's status
// switches, returns the chosen article's number and kind, and hands the switches back when it
// closes. Afterwards every article passes until the caller takes the view back.
class ArticleChooser
{
public:
    struct Choice
    {
        QString lNr; // up to 8 characters, as an order line takes it
        QString va;  // 2 characters
    };

    ArticleChooser(TArtikelModul& modul, const ArticleStatusSwitches& callerSwitches);

    // "&Ok", Enter or a double click: the current article; nullopt when the view is empty.
    std::optional<Choice> choose() const;
    // "#" typed in the chooser cancels it, as "&Abbr.." does.
    static bool isCancelKey(const QString& typed) { return typed == QStringLiteral("#"); }
    // Closing: the switches as the user left them, for the caller to keep.
    ArticleStatusSwitches close();

private:
    TArtikelModul& m_modul;
};

} // namespace korbelant
