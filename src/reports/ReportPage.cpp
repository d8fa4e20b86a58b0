#include "reports/ReportPage.h"

#include <algorithm>
#include <cmath>

namespace korbelant {

namespace {

bool sameLine(const ReportItem& a, const ReportItem& b)
{
    return std::abs(a.rectMm.top() - b.rectMm.top()) < 0.01;
}

std::vector<const ReportItem*> sortedTexts(const std::vector<ReportItem>& items)
{
    std::vector<const ReportItem*> texts;
    for (const ReportItem& item : items) {
        if (item.kind == ReportItem::Kind::Text && !item.text.isEmpty())
            texts.push_back(&item);
    }
    std::stable_sort(texts.begin(), texts.end(), [](const ReportItem* a, const ReportItem* b) {
        if (!sameLine(*a, *b))
            return a->rectMm.top() < b->rectMm.top();
        return a->rectMm.left() < b->rectMm.left();
    });
    return texts;
}

} // namespace

QStringList ReportPage::texts() const
{
    QStringList result;
    for (const ReportItem* item : sortedTexts(items))
        result << item->text;
    return result;
}

bool ReportPage::hasText(const QString& text) const
{
    return findText(text) != nullptr;
}

const ReportItem* ReportPage::findText(const QString& text) const
{
    for (const ReportItem& item : items) {
        if (item.kind == ReportItem::Kind::Text && item.text == text)
            return &item;
    }
    return nullptr;
}

QStringList ReportPage::lineOf(const ReportItem& item) const
{
    QStringList result;
    for (const ReportItem* other : sortedTexts(items)) {
        if (sameLine(*other, item))
            result << other->text;
    }
    return result;
}

} // namespace korbelant
