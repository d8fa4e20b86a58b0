#pragma once

#include <QString>

class QTableWidget;

namespace korbelant {

// The search fields of the picker windows: go to the first row whose column begins with the text.
class GridSearch
{
public:
    // Returns false (and leaves the current row) when no row begins with the text.
    static bool moveToPrefix(QTableWidget* grid, int column, const QString& text);
};

} // namespace korbelant
