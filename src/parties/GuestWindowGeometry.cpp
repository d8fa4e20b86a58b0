#include "parties/GuestWindowGeometry.h"

#include "core/IniFile.h"

#include <algorithm>

namespace korbelant {

namespace {

int readNumber(const IniFile& ini, const QString& key, int fallback)
{
    bool ok = false;
    const int value =
        ini.value(GuestWindowGeometry::kSection, GuestWindowGeometry::kPrefix + key).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

GuestWindowGeometry GuestWindowGeometry::load(const QString& iniPath)
{
    GuestWindowGeometry g;
    IniFile ini(iniPath);
    if (!ini.load())
        return g;
    g.width = readNumber(ini, QStringLiteral("Width"), g.width);
    g.height = readNumber(ini, QStringLiteral("Height"), g.height);
    g.top = readNumber(ini, QStringLiteral("Top"), g.top);
    g.left = readNumber(ini, QStringLiteral("Left"), g.left);
    g.list = std::max(kMinList, readNumber(ini, QStringLiteral("Tabelle"), g.list));
    return g;
}

bool GuestWindowGeometry::save(const QString& iniPath) const
{
    IniFile ini(iniPath);
    ini.load(); // a missing file is written new
    const std::pair<const char*, int> values[] = {
        {"Width", width}, {"Height", height}, {"Top", top}, {"Left", left}, {"Tabelle", list}};
    for (const auto& [key, value] : values)
        ini.setValue(kSection, kPrefix + QString::fromLatin1(key), QString::number(value));
    return ini.save();
}

void GuestWindowGeometry::setStandard()
{
    width = kStandardWidth;
    height = kStandardHeight;
    list = kStandardList;
}

int GuestWindowGeometry::stepList(int current, int direction, int orderAreaHeight)
{
    const int upper = std::max(kMinList, orderAreaHeight - kListMargin);
    return std::clamp(current + direction * kListStep, kMinList, upper);
}

int GuestWindowGeometry::shownList(int windowHeight) const
{
    return list + std::max(0, windowHeight - kStandardHeight) / 2;
}

} // namespace korbelant
