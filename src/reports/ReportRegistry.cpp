#include "reports/ReportRegistry.h"

#include "core/DataSet.h"
#include "reports/ReportError.h"
#include "reports/StandardReports.h"

namespace korbelant {

const ReportRegistry& ReportRegistry::standard()
{
    static const ReportRegistry registry = [] {
        ReportRegistry r;
        StandardReports::registerAll(r);
        return r;
    }();
    return registry;
}

void ReportRegistry::add(Entry entry)
{
    m_entries.push_back(std::move(entry));
}

const ReportRegistry::Entry* ReportRegistry::find(const QString& name) const
{
    for (const Entry& entry : m_entries) {
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

ReportDocument ReportRegistry::build(const QString& name, DataSet& set, const QStringList& args) const
{
    const Entry* entry = find(name);
    if (!entry)
        throw ReportError(QStringLiteral("Unbekannter Bericht \"%1\".").arg(name));
    ReportDocument document = entry->builder(set, args);
    document.frame = ReportFrame::read(set.db());
    return document;
}

} // namespace korbelant
