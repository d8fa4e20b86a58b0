#pragma once

#include "exchange/TTWD_TableList.h"

#include <memory>
#include <vector>

namespace korbelant {

// The sections of a TWD file in order; several may carry the same name.
class TTWD_SectionList
{
public:
    TTWD_TableList& add(const QString& name);
    // The first section of this name (case-insensitive), or none.
    const TTWD_TableList* find(const QString& name) const;
    int size() const { return static_cast<int>(m_sections.size()); }
    const TTWD_TableList& at(int i) const { return *m_sections.at(static_cast<size_t>(i)); }
    bool isEmpty() const { return m_sections.empty(); }

private:
    std::vector<std::unique_ptr<TTWD_TableList>> m_sections;
};

} // namespace korbelant
