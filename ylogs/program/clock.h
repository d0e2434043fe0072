// The current local date and time as a day count.
#pragma once

namespace orvex {

double NowLocalDayCount();

}  // namespace orvex
