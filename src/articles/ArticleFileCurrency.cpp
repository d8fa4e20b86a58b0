#include "articles/ArticleFileCurrency.h"

#include "core/UiPort.h"

namespace korbelant {

QString ArticleFileCurrency::code(const QStringList& lines)
{
    for (int line = 1; line <= 2 && line < lines.size(); ++line) {
        const QString found = lines.at(line).mid(74, 3).trimmed().toUpper();
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool ArticleFileCurrency::accept(const QStringList& lines, bool euro, UiPort& ui)
{
    const QString found = code(lines);
    if (found == QStringLiteral("DEM") && euro) {
        ui.error(kDemInEuro);
        return false;
    }
    if (found == QStringLiteral("EUR") && !euro) {
        ui.error(kEuroInDem);
        return false;
    }
    if (found == QStringLiteral("DEM") || found == QStringLiteral("EUR"))
        return true;
    return ui.question(kUnknown, UiPort::Buttons::YesNo) == UiPort::Answer::Yes;
}

} // namespace korbelant
