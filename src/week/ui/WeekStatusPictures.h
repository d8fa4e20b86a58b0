#pragma once

#include "week/WeekPrintState.h"

#include <QPixmap>

namespace korbelant {

// The pictures of the week window's status columns: how far a week's reports are printed, and
// the disk of a party already handed to the distributor.
class WeekStatusPictures
{
public:
    static QPixmap picture(WeekPrintState::Picture picture);
    static QPixmap disk();
};

} // namespace korbelant
