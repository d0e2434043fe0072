// Dates and times in the user's regional formats: short date, long time.
#pragma once

#include <QString>

#include "ylogs/archive/renderer.h"

namespace orvex {

class RegionalFormatter : public DateTimeFormatter {
 public:
  RegionalFormatter();
  std::string ShortDate(double t) const override;
  std::string LongTime(double t) const override;

  QString date_format() const { return date_format_; }
  QString time_format() const { return time_format_; }

 private:
  QString date_format_;
  QString time_format_;
};

}  // namespace orvex
