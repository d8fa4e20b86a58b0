#pragma once

#include "euro/EuroTableStep.h"

#include <vector>

namespace korbelant {

struct EuroRequest;

// The tables of the conversion in their order: the articles (when asked for, without a progress
// step of their own), expenses, participants, order lines, party headers, weeks (always every
// week) and the star plan (only when every amount is converted).
class EuroPlan
{
public:
    static std::vector<EuroTableStep> steps(const EuroRequest& request);
    static QString failureText(const QString& file);
};

} // namespace korbelant
