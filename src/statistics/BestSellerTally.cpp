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

} // namespace

void BestSellerTally::add(const Statement& line)
{
    addLine(groupOf(line), line);
}

BestSellerTally::Group& BestSellerTally::groupOf(const Statement& line)
{
    const std::string_view number = line.utf8(Number);
    const std::string_view kind = line.utf8(Kind);
    std::string key;
    key.reserve(number.size() + kind.size() + 1);
    key.append(number).push_back('\0');
    key.append(kind);
    const auto [it, added] = m_index.try_emplace(std::move(key), m_groups.size());
    if (added) {
        Group& group = m_groups.emplace_back();
        group.number = number;
        group.kind = kind;
    }
    return m_groups[it->second];
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
