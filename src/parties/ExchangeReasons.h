#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace korbelant {

class Database;

// The exchange reasons (Umtausch): a three-character code and its text. An exchange line names
// its reason by code; the consultant may reword the texts.
class ExchangeReasons
{
public:
    struct Reason
    {
        QString code;
        QString text;
    };

    explicit ExchangeReasons(Database& db);

    // Every reason in code order.
    std::vector<Reason> all() const;
    bool exists(const QString& code) const;
    // Up and Down in a reason-code field: the code after (direction > 0) or before (< 0) `code`
    // in code order. From an empty or unknown code Down gives the first and Up the last code; at
    // either end the code stays. nullopt when there are no reasons at all.
    std::optional<QString> step(const QString& code, int direction) const;
    // Stores changed texts; codes not in the table are ignored. All or nothing.
    void saveTexts(const std::vector<Reason>& reasons);

private:
    Database& m_db;
};

} // namespace korbelant
