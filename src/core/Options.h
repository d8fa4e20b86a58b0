#pragma once

#include "core/IniFile.h"

#include <QHash>
#include <QString>

namespace korbelant {

// The settings of the program, kept in the section [KLV] of Optionen.ini. Every part of the
// program reads its settings here while it runs; a part that changes one calls SaveOptions.
class Options
{
public:
    static inline const QString kSection = QStringLiteral("KLV");

    explicit Options(const QString& iniPath);

    // Reads every option from the file: a missing key is empty text or unchecked; afterwards the
    // five fixed defaults fill their entries when empty. Returns false when the file exists but
    // cannot be read (the options then stay as they were).
    bool LoadOptions();
    // Writes every option under its key; unknown keys and sections of the file survive.
    bool SaveOptions();

    QString text(const QString& key) const;
    bool checked(const QString& key) const;
    int number(const QString& key, int fallback = 0) const;
    void setText(const QString& key, const QString& value);
    void setChecked(const QString& key, bool on);

    // The file the options are kept in; windows keep their own sections there too.
    const QString& path() const { return m_file.path(); }

    // Writes a new Optionen.ini with every option at its initial value.
    static bool writeInitialFile(const QString& iniPath);

private:
    void applyFixedDefaults();

    IniFile m_file;
    QHash<QString, QString> m_values; // keyed by the option's own spelling
};

} // namespace korbelant
