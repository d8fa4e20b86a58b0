#include "statistics/ui/ChartPicture.h"

#include <QFileInfo>
#include <QSaveFile>

namespace korbelant {

QString ChartPicture::fileName(const QString& chosen)
{
    return QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".BMP") : chosen;
}

bool ChartPicture::save(const QImage& image, const QString& chosen)
{
    const QString name = fileName(chosen);
    const bool png = QFileInfo(name).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0;
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.save(&file, png ? "PNG" : "BMP"))
        return false;
    return file.commit();
}

} // namespace korbelant
