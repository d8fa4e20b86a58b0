#pragma once

#include "core/Database.h"
#include "core/Schema.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace korbelant::test {

// The part the record builders share: the fields gathered so far, set one by one or from a
// map (later values win), and the insert into the builder's table. Builder is the derived
// class, so that the setters can be chained with its own ones.
template <typename Builder> class RecordBuilder
{
public:
    Builder& with(const QString& field, const QVariant& value)
    {
        m_fields.insert(field, value);
        return static_cast<Builder&>(*this);
    }

    Builder& with(const QVariantMap& fields)
    {
        for (auto it = fields.cbegin(); it != fields.cend(); ++it)
            m_fields.insert(it.key(), it.value());
        return static_cast<Builder&>(*this);
    }

    const QVariantMap& fields() const { return m_fields; }

    void insertInto(Database& db) const { db.insert(Schema::get(m_table), m_fields); }

protected:
    explicit RecordBuilder(QString table) : m_table(std::move(table)) {}

private:
    QString m_table;
    QVariantMap m_fields;
};

} // namespace korbelant::test
