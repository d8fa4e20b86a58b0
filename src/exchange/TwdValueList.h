#pragma once

#include "exchange/TTWD_Value_Object.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace korbelant {

// Key/value pairs in the order they were added; a key is found case-insensitively, the first
// match wins, and keys keep the spelling they were added with.
class TwdValueList
{
public:
    void add(const QString& key, const QString& value)
    {
        m_values.emplace_back(key, TTWD_Value_Object(value));
    }
    // The value of the first pair with this key, or the empty string.
    QString value(const QString& key) const;
    // "key = value" lines, in order.
    void writeLines(QStringList& lines) const;
    int size() const { return static_cast<int>(m_values.size()); }

private:
    std::vector<std::pair<QString, TTWD_Value_Object>> m_values;
};

} // namespace korbelant
