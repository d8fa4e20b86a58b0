#pragma once

#include <QString>

namespace korbelant::test {

// Copies every file below `from` to the same place below `to` (a data home for a crash test);
// a file that cannot be copied fails the test.
void copyTree(const QString& from, const QString& to);

} // namespace korbelant::test
