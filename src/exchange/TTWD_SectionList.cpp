#include "exchange/TTWD_SectionList.h"

namespace korbelant {

TTWD_TableList& TTWD_SectionList::add(const QString& name)
{
    m_sections.push_back(std::make_unique<TTWD_TableList>(name));
    return *m_sections.back();
}

const TTWD_TableList* TTWD_SectionList::find(const QString& name) const
{
    for (const auto& section : m_sections) {
        if (section->name().compare(name, Qt::CaseInsensitive) == 0)
            return section.get();
    }
    return nullptr;
}

} // namespace korbelant
