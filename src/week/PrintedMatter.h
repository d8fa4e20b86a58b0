#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace korbelant {

class Database;
class UiPort;

// The names of the nineteen printed-matter items (Drucksa), shared by all weeks; item n's
// quantity of a week is the week-record field DR_n.
class PrintedMatter
{
public:
    static constexpr int kItems = 19;
    static inline const QString kInvalid = QStringLiteral("Die Drucksacheninformation ist ungültig");
    static inline const QString kAskChange = QStringLiteral("Wollen Sie die Drucksachenbezeichnung ändern ?");

    // "01" .. "19".
    static QString number(int n);
    // The label of item n: its name, or n followed by a dotted line when there is none (with two
    // digits, or without the leading zero after a change, as the window shows it).
    static QString label(Database& db, int n);
    // The stored name of item n for the name editor; nullopt, after the message, without a record.
    static std::optional<QString> name(Database& db, UiPort& ui, int n);
    // After the name editor changed the name: asks, stores on Yes; the label to show.
    static QString changeName(Database& db, UiPort& ui, int n, const QString& newName);
    // The names of the records in table order, as the printed-matter order lists them.
    static QStringList names(Database& db);

private:
    static QString emptyLabel(const QString& n);
};

} // namespace korbelant
