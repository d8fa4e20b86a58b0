#pragma once

#include <QByteArray>
#include <QString>

namespace korbelant::test {

// The bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes a file with its folders, replacing one that is there; a failure fails the test.
void writeFileBytes(const QString& path, const QByteArray& bytes);

} // namespace korbelant::test
