#pragma once

#include "core/VersionRecord.h"

#include <QString>

namespace korbelant {

class Database;
class Options;

// What the main window holds for the whole run: the version record, the application title, the
// caption suffix (the consultant's name and number) and the consultant label used by reports.
class MainWindowState
{
public:
    static inline const QString kProgramName = QStringLiteral("Korbelant");
    static inline const QString kVersionText = QStringLiteral(" (6.4a)");
    static inline const QString kDefaultSuffix = QStringLiteral("Korbelant");
    static inline const QString kInfoVersion = QStringLiteral("Version KLV 6.4a");

    const QString& applicationTitle() const { return m_title; }
    const VersionRecord& version() const { return m_version; }
    const QString& captionSuffix() const { return m_suffix; }
    const QString& consultantLabel() const { return m_consultantLabel; }
    const QString& groupNumber() const { return m_groupNumber; }

    // Keeps the version record; the title becomes its program name and year before the title so far.
    void applyVersion(const VersionRecord& version);
    // The consultant's own record (option K_NR) gives "Vorname Name (BNR)"; without it the suffix stays.
    void readCaptionSuffix(Database& db, const Options& options);
    // Follows the options Berater and Gruppen_NR.
    void applyOptions(const Options& options);
    void setConsultantLabel(const QString& label) { m_consultantLabel = label; }
    void setGroupNumber(const QString& groupNumber) { m_groupNumber = groupNumber; }
    // "Vorlix-Soft - " + title + " - " + suffix.
    QString caption() const;
    // The lines of the information box: version, consultant number and name.
    QString infoText(Database& db, const Options& options) const;

private:
    static QString consultantName(Database& db, const QString& customerNumber);

    VersionRecord m_version;
    QString m_title = kVersionText;
    QString m_suffix = kDefaultSuffix;
    QString m_consultantLabel = QStringLiteral("Beraterin");
    QString m_groupNumber;
};

} // namespace korbelant
