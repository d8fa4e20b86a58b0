#include "articles/LikePattern.h"

namespace korbelant {

QString LikePattern::escape(const QString& text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

} // namespace korbelant
