// Dates and times as YYYY-MM-DD and HH:MM:SS, whatever the machine's locale,
// so that the benchmarks format as much text on every machine.
#pragma once

#include "ylogs/base/day_time.h"
#include "ylogs/render/renderer.h"

namespace orvex::bench {

class IsoFormatter : public DateTimeFormatter {
 public:
  std::string ShortDate(double t) const override { return FormatIsoDate(DayCountToCivil(t)); }
  std::string LongTime(double t) const override {
    return FormatIsoMillis(DayCountToCivil(t)).substr(11, 8);
  }
};

}  // namespace orvex::bench
