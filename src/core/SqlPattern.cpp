#include "core/SqlPattern.h"

namespace korbelant {

QString SqlPattern::like(const QString& operand, const QString& pattern)
{
    return operand + QStringLiteral(" LIKE ") + pattern + QLatin1Char(' ') + kLikeEscape;
}

QString SqlPattern::escape(const QString& text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString SqlPattern::containing(const QString& text)
{
    return QLatin1Char('%') + escape(text) + QLatin1Char('%');
}

QString SqlPattern::beginningWith(const QString& text)
{
    return escape(text) + QLatin1Char('%');
}

QString SqlPattern::through(const QString& prefix)
{
    const char32_t highest = 0x10FFFF;
    return prefix + QString::fromUcs4(&highest, 1);
}

} // namespace korbelant
