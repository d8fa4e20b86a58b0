#include "core/IniFile.h"

#include "core/Cp1252.h"

#include <QFile>
#include <QSaveFile>

namespace korbelant {

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

bool IniFile::load()
{
    m_sections.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = Cp1252::decode(file.readAll());
    m_sections.push_back(Section{});
    for (QString raw : text.split(QLatin1Char('\n'))) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            m_sections.push_back(Section{trimmed.mid(1, trimmed.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype eq = raw.indexOf(QLatin1Char('='));
        const bool comment = trimmed.startsWith(QLatin1Char(';'));
        if (eq > 0 && !comment)
            m_sections.back().lines.push_back(Line{raw.left(eq).trimmed(), raw.mid(eq + 1)});
        else
            m_sections.back().lines.push_back(Line{QString(), raw});
    }
    // A trailing line end leaves one empty line behind; it is written again by save().
    auto& last = m_sections.back().lines;
    if (!last.empty() && last.back().key.isEmpty() && last.back().text.isEmpty())
        last.pop_back();
    return true;
}

bool IniFile::save() const
{
    QString text;
    for (const Section& section : m_sections) {
        if (!section.name.isEmpty())
            text += QLatin1Char('[') + section.name + QStringLiteral("]\r\n");
        for (const Line& line : section.lines) {
            if (line.key.isEmpty())
                text += line.text + QStringLiteral("\r\n");
            else
                text += line.key + QLatin1Char('=') + line.text + QStringLiteral("\r\n");
        }
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Cp1252::encode(text));
    return file.commit();
}

IniFile::Section* IniFile::findSection(const QString& name)
{
    for (Section& section : m_sections) {
        if (!section.name.isEmpty() && section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

const IniFile::Section* IniFile::findSection(const QString& name) const
{
    return const_cast<IniFile*>(this)->findSection(name);
}

bool IniFile::contains(const QString& section, const QString& key) const
{
    const Section* s = findSection(section);
    if (!s)
        return false;
    for (const Line& line : s->lines) {
        if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const
{
    const Section* s = findSection(section);
    if (!s)
        return fallback;
    for (const Line& line : s->lines) {
        if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0)
            return line.text;
    }
    return fallback;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    Section* s = findSection(section);
    if (!s) {
        if (m_sections.empty())
            m_sections.push_back(Section{});
        m_sections.push_back(Section{section, {}});
        s = &m_sections.back();
    }
    for (Line& line : s->lines) {
        if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0) {
            line.text = value;
            return;
        }
    }
    // New keys go behind the last key of the section, before trailing blank lines.
    auto pos = s->lines.end();
    while (pos != s->lines.begin() && std::prev(pos)->key.isEmpty() &&
           std::prev(pos)->text.trimmed().isEmpty())
        --pos;
    s->lines.insert(pos, Line{key, value});
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList result;
    if (const Section* s = findSection(section)) {
        for (const Line& line : s->lines) {
            if (!line.key.isEmpty())
                result << line.key;
        }
    }
    return result;
}

} // namespace korbelant
