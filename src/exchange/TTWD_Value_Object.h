#pragma once

#include <QString>

namespace korbelant {

// One value of a TWD file or section.
class TTWD_Value_Object
{
public:
    explicit TTWD_Value_Object(QString value = {}) : m_value(std::move(value)) {}
    const QString& value() const { return m_value; }
    void setValue(const QString& value) { m_value = value; }

private:
    QString m_value;
};

} // namespace korbelant
