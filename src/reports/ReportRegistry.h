#pragma once

#include "reports/ReportDocument.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace korbelant {

class DataSet;
class UiPort;

// The reports the program can make, by name. A report's builder reads the data set and its
// arguments and returns the document; wrong arguments throw ReportError. Every report adds
// itself in StandardReports::registerAll.
class ReportRegistry
{
public:
    using Builder = std::function<ReportDocument(DataSet&, const QStringList&)>;

    struct Entry
    {
        QString name;
        QString arguments; // usage of the arguments, e.g. "[VON] [BIS]"
        QString description;
        Builder builder;
        // What follows once the report has been printed or saved (the pack list's question).
        std::function<void(DataSet&, UiPort&)> afterPrint = {};
    };

    // The registry holding every report of the program.
    static const ReportRegistry& standard();

    void add(Entry entry);
    const Entry* find(const QString& name) const;
    const std::vector<Entry>& entries() const { return m_entries; }

    // Builds the named report with the page frame of the data set; throws ReportError for an
    // unknown name or wrong arguments.
    ReportDocument build(const QString& name, DataSet& set, const QStringList& args) const;

private:
    std::vector<Entry> m_entries;
};

} // namespace korbelant
