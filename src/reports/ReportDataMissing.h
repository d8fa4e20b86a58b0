#pragma once

#include "reports/ReportError.h"

namespace korbelant {

// A report asked for data the data set does not hold, such as a party number that does not
// exist: the call was right, the answer is no.
class ReportDataMissing : public ReportError
{
public:
    using ReportError::ReportError;
};

} // namespace korbelant
