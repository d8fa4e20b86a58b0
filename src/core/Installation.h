#pragma once

namespace korbelant {

class DataHome;

// Lays out a new data home as an installation does: FirstTime.txt, a default Optionen.ini, the
// installed tables, the currency state (Euro) and the help document; then the first start's table
// creation and the fixed customers.
class Installation
{
public:
    enum class Result
    {
        Created,
        AlreadyThere
    };

    // An existing data set is left exactly as it is. Throws DatabaseError with a German message
    // when the data home cannot be written.
    static Result init(const DataHome& home);
};

} // namespace korbelant
