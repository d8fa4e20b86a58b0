#pragma once

#include <QString>
#include <initializer_list>

namespace korbelant {
class Database;
}

namespace korbelant::test {

// Every row of the named tables as text, table by table: two calls give the same text exactly
// when nothing in those tables changed.
QString tableContents(Database& db, std::initializer_list<const char*> tables);

} // namespace korbelant::test
