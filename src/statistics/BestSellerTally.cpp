#include "statistics/BestSellerTally.h"

#include "core/GermanCollation.h"
#include "core/Statement.h"

#include <algorithm>

namespace korbelant {

namespace {

enum Column
{
    Number,
    Kind,
    Pieces,
    Stars,
    Text,
    UnitCost,
    UnitPrice,
    Cost,
    Sum
};

QString qtText(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The lowest of the values that are not NULL, as MIN() takes it.
void keepLowest(double& lowest, bool& seen, const Statement& line, int column)
{
    if (line.isNull(column))
        return;
    const double value = line.real(column);
    if (!seen || value < lowest)
        lowest = value;
    seen = true;
}

// FNV-1a over the number, a separator and the kind, mixed at the end so that the low bits that
// pick the slot depend on every byte.
std::uint64_t hashOf(std::string_view number, std::string_view kind)
{
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](std::string_view text) {
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    };
    mix(number);
    hash = (hash ^ 0xffu) * 1099511628211ull;
    mix(kind);
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9ull;
    return hash ^ (hash >> 32);
}

} // namespace

void BestSellerTally::add(const Statement& line)
{
    addLine(groupOf(line), line);
}

BestSellerTally::Group& BestSellerTally::groupOf(const Statement& line)
{
    const std::string_view number = line.utf8(Number);
    const std::string_view kind = line.utf8(Kind);
    const std::uint64_t hash = hashOf(number, kind);
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = m_slots[i];
        if (slot.group == 0) {
            Group& group = m_groups.emplace_back();
            group.number = number;
            group.kind = kind;
            slot = {hash, static_cast<std::uint32_t>(m_groups.size())};
            if (m_groups.size() * 2 > m_slots.size()) {
                grow();
                return m_groups.back();
            }
            return group;
        }
        if (slot.hash == hash) {
            Group& group = m_groups[slot.group - 1];
            if (group.number == number && group.kind == kind)
                return group;
        }
    }
}

void BestSellerTally::grow()
{
    std::vector<Slot> table(m_slots.size() * 2);
    const size_t mask = table.size() - 1;
    for (const Slot& slot : m_slots) {
        if (slot.group == 0)
            continue;
        size_t i = slot.hash & mask;
        while (table[i].group != 0)
            i = (i + 1) & mask;
        table[i] = slot;
    }
    m_slots = std::move(table);
}

void BestSellerTally::addLine(Group& group, const Statement& line)
{
    BestSeller& sums = group.sums;
    sums.Stueck += line.real(Pieces);
    sums.Sterne += line.real(Stars);
    sums.KOSTEN += line.real(Cost);
    sums.SUMME += line.real(Sum);
    keepLowest(sums.EINZ_KOST, group.hasCost, line, UnitCost);
    keepLowest(sums.EINZ_PREIS, group.hasPrice, line, UnitPrice);
    if (line.isNull(Text))
        return;
    const std::string_view text = line.utf8(Text);
    if (!group.hasText || (text != group.text && GermanCollation::compare(text, group.text) > 0))
        group.text = text;
    group.hasText = true;
}

std::vector<BestSeller> BestSellerTally::sorted(BestSellerSort::Key key) const
{
    std::vector<const Group*> order;
    order.reserve(m_groups.size());
    for (const Group& group : m_groups)
        order.push_back(&group);
    const auto measure = BestSellerSort::measure(key);
    std::sort(order.begin(), order.end(), [measure](const Group* a, const Group* b) {
        if (measure && a->sums.*measure != b->sums.*measure)
            return a->sums.*measure > b->sums.*measure;
        if (const int c = GermanCollation::compare(a->number, b->number))
            return c < 0;
        if (const int c = GermanCollation::compare(a->kind, b->kind))
            return c < 0;
        return std::tie(a->number, a->kind) < std::tie(b->number, b->kind);
    });
    std::vector<BestSeller> lines;
    lines.reserve(order.size());
    for (const Group* group : order) {
        BestSeller line = group->sums;
        line.L_NR = qtText(group->number);
        line.VA = qtText(group->kind);
        line.L_TEXT = qtText(group->text);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace korbelant
