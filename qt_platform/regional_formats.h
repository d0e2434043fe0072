// Dates and times in the user's regional formats: short date, long time.
#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "ylogs/render/renderer.h"

namespace orvex {

class RegionalFormatter : public DateTimeFormatter {
 public:
  RegionalFormatter();
  ~RegionalFormatter() override;
  RegionalFormatter(const RegionalFormatter&) = delete;
  RegionalFormatter& operator=(const RegionalFormatter&) = delete;

  std::string ShortDate(double t) const override;
  std::string LongTime(double t) const override;

  QString date_format() const { return date_format_; }
  QString time_format() const { return time_format_; }

 private:
  std::string FormatDate(int year, int month, int day) const;
  std::string FormatTime(int hour, int minute, int second, int millisecond) const;

  QString date_format_;
  QString time_format_;
  // The locale's formatting costs about a microsecond a text, and a page of
  // many conversations asks for the same days and seconds over and over: each
  // whole second's text is made once, by whichever rendering thread first
  // needs it, and kept.
  std::unique_ptr<std::atomic<const std::string*>[]> seconds_;
  // Tells this formatter's remembered date from another's on the same thread.
  std::uint64_t id_;
};

}  // namespace orvex
