#pragma once

#include "reports/ReportItem.h"

#include <QSizeF>
#include <QStringList>
#include <vector>

namespace korbelant {

// One laid-out page: its number, the paper size in millimetres and what is drawn on it.
struct ReportPage
{
    int number = 1;
    QSizeF paperMm;
    std::vector<ReportItem> items;

    // The texts of the page from top to bottom, left to right within a line.
    QStringList texts() const;
    bool hasText(const QString& text) const;
    // The first text item with exactly this text, or nullptr.
    const ReportItem* findText(const QString& text) const;
    // The texts of the items on the same line as the given item (same top), left to right.
    QStringList lineOf(const ReportItem& item) const;
};

} // namespace korbelant
