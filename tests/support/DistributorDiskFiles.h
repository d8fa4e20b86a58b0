#pragma once

#include <QString>

namespace korbelant::test {

// The small exchange disk of tests/fixtures/exchange/disk/in: BERGRUP.ASC with the records of
// the distributor (00815) and of consultant 4711 (her own), GBART.ASC with four articles (one
// price rounded, one record whose price is no number, one line cut short) and AEHLP.ASC, each
// sealed as the distributor delivers them.
QString diskFixture(const QString& name);
QString expectedDiskFile(const QString& name);
// Copies the disk's three files into a folder.
void copyDiskFixture(const QString& folder);

} // namespace korbelant::test
