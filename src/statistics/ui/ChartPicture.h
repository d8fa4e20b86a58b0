#pragma once

#include <QImage>
#include <QString>

namespace korbelant {

// Saving the chart: a name ending in .png is written as PNG, every other name as a bitmap
// (".BMP" is added when the name has no ending). Written through QSaveFile, so a failed write
// leaves an existing file as it was.
class ChartPicture
{
public:
    static constexpr const char* kFilter = "Bitmap (*.BMP *.bmp);;PNG (*.png *.PNG)";
    static QString fileName(const QString& chosen);
    static bool save(const QImage& image, const QString& chosen);
};

} // namespace korbelant
