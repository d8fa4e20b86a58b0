#include "core/Options.h"

#include "core/OptionDef.h"

namespace korbelant {

namespace {

QString canonicalKey(const QString& key)
{
    const OptionDef* def = OptionDef::find(key);
    return def ? def->key : key;
}

} // namespace

Options::Options(const QString& iniPath) : m_file(iniPath) {}

bool Options::LoadOptions()
{
    IniFile file(m_file.path());
    if (!file.load())
        return false;
    m_file = file;
    m_values.clear();
    for (const OptionDef& def : OptionDef::all()) {
        const QString stored = m_file.value(kSection, def.key);
        if (def.kind == OptionDef::Kind::Check)
            m_values.insert(def.key,
                            stored == QStringLiteral("-1") ? QStringLiteral("-1") : QStringLiteral("0"));
        else
            m_values.insert(def.key, stored);
    }
    // Keys the window has no control for (the drive directories, keys of later versions) are
    // kept as they are and written back on saving.
    for (const QString& key : m_file.keys(kSection)) {
        if (!OptionDef::find(key))
            m_values.insert(key, m_file.value(kSection, key));
    }
    applyFixedDefaults();
    return true;
}

void Options::applyFixedDefaults()
{
    static const std::pair<const char*, const char*> fixed[] = {
        {"Weeks", "5"},           {"max_length_Z_NR", "8"}, {"min_length_Z_NR", "8"},
        {"min_length_L_NR", "4"}, {"max_length_L_NR", "8"},
    };
    for (const auto& [key, value] : fixed) {
        const QString k = QString::fromLatin1(key);
        if (m_values.value(k).isEmpty())
            m_values.insert(k, QString::fromLatin1(value));
    }
}

bool Options::SaveOptions()
{
    // Keep what another writer may have added to the file since it was loaded.
    IniFile current(m_file.path());
    if (current.load())
        m_file = current;
    for (const OptionDef& def : OptionDef::all())
        m_file.setValue(
            kSection, def.key,
            m_values.value(def.key, def.kind == OptionDef::Kind::Check ? QStringLiteral("0") : QString()));
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
        if (!OptionDef::find(it.key()))
            m_file.setValue(kSection, it.key(), it.value());
    }
    return m_file.save();
}

QString Options::text(const QString& key) const
{
    return m_values.value(canonicalKey(key));
}

bool Options::checked(const QString& key) const
{
    return m_values.value(canonicalKey(key)) == QStringLiteral("-1");
}

int Options::number(const QString& key, int fallback) const
{
    bool ok = false;
    const int value = text(key).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

void Options::setText(const QString& key, const QString& value)
{
    m_values.insert(canonicalKey(key), value);
}

void Options::setChecked(const QString& key, bool on)
{
    m_values.insert(canonicalKey(key), on ? QStringLiteral("-1") : QStringLiteral("0"));
}

bool Options::writeInitialFile(const QString& iniPath)
{
    IniFile file(iniPath);
    for (const OptionDef& def : OptionDef::all())
        file.setValue(kSection, def.key, def.initial);
    return file.save();
}

} // namespace korbelant
