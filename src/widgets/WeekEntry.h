#pragma once

class QLineEdit;
class QWidget;

namespace korbelant {

class UiPort;

// The year and week fields of a week entry ("2003" "05") with their calendar button.
class WeekEntry
{
public:
    // A field for a number of at most the given digits.
    static QLineEdit* digitField(QWidget* parent, int digits);
    // The calendar button: the week of the picked date fills the pair, "no date" empties it,
    // cancelling leaves it.
    static void pick(UiPort& ui, QLineEdit* year, QLineEdit* week);
};

} // namespace korbelant
