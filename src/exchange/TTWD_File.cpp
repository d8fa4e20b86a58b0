#include "exchange/TTWD_File.h"

#include "core/Cp1252.h"
#include "core/SystemErrorText.h"
#include "exchange/TwdError.h"
#include "exchange/TwdReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>

namespace korbelant {

namespace {

TwdError unreadable(const QFile& file, const QString& path)
{
    return TwdError(QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2")
                        .arg(path, SystemErrorText::fromFile(file.error(), errno)));
}

} // namespace

bool TTWD_File::LoadFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return false;
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable(file, path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw unreadable(file, path);
    try {
        loadBytes(bytes);
    } catch (const TwdError& error) {
        throw TwdError(
            QStringLiteral("Die Datei %1 ist keine gültige TWD-Datei: %2").arg(path, error.message()));
    }
    return true;
}

void TTWD_File::loadBytes(const QByteArray& bytes)
{
    TwdReader reader(m_values, m_sections);
    const QStringList lines = Cp1252::decode(bytes).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    int number = 0;
    for (const QString& line : lines)
        reader.readLine(line, ++number);
}

void TTWD_File::WriteLines(QStringList& lines) const
{
    m_values.writeLines(lines);
    for (int i = 0; i < m_sections.size(); ++i) {
        lines << QString();
        m_sections.at(i).writeLines(lines);
    }
}

void TTWD_File::SaveLines(const QStringList& lines, const QString& path)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += Cp1252::encode(line) + "\r\n";
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TwdError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                           .arg(path, SystemErrorText::fromFile(file.error(), errno)));
}

QString TTWD_File::GetValue(const QString& section, const QString& key) const
{
    const TTWD_TableList* found = m_sections.find(section);
    return found ? found->GetValue(key) : QString();
}

const TTWD_Table* TTWD_File::FindTable(const QString& section, const QString& table) const
{
    const TTWD_TableList* found = m_sections.find(section);
    return found ? found->FindTable(table) : nullptr;
}

} // namespace korbelant
