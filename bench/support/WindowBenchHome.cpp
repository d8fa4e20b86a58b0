#include "support/WindowBenchHome.h"

#include <QFileInfo>

namespace korbelant {

void WindowBenchHome::useOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

std::optional<DataHome> WindowBenchHome::fromArguments(int argc, char* argv[], QTextStream& out,
                                                       const QString& program)
{
    if (argc < 2 || !QFileInfo::exists(DataHome(QString::fromLocal8Bit(argv[1])).databaseFile())) {
        out << "Aufruf: " << program
            << " DATENVERZEICHNIS (mit korbelant-cli bench-data large --end 27.12.2025 gefüllt)" << Qt::endl;
        return std::nullopt;
    }
    return DataHome(QString::fromLocal8Bit(argv[1]));
}

} // namespace korbelant
