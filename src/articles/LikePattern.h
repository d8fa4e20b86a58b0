#pragma once

#include <QString>

namespace korbelant {

// LIKE patterns built from text typed by the user: "%" and "_" in the text stand for themselves.
// Every pattern is used with ESCAPE '\' (kEscapeClause).
class LikePattern
{
public:
    static inline const QString kEscapeClause = QStringLiteral(" ESCAPE '\\'");

    static QString escape(const QString& text);
    static QString contains(const QString& text)
    {
        return QStringLiteral("%") + escape(text) + QStringLiteral("%");
    }
    static QString prefix(const QString& text) { return escape(text) + QStringLiteral("%"); }
};

} // namespace korbelant
