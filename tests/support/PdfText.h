#pragma once

#include <QString>

namespace korbelant::test {

// The text of a PDF file as pdftotext lays it out (-layout); empty when it cannot be read.
QString pdfLayoutText(const QString& path);

} // namespace korbelant::test
