// What every subcommand of orvex-cli shares: the program folder, date and time
// formats, output in the program's bytes, and the error forms.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "ylogs/archive/archive_reader.h"
#include "ylogs/render/renderer.h"

namespace orvex::cli {

// The folder of the orvex-cli executable, ending in a separator.
std::string ProgramFolder();

// Turns an option's path into file-name bytes as the system takes them from
// the user (on Windows a "\" becomes "/"); for every option naming a file.
const CLI::Validator& PathArgument();

// Short date and long time through strftime formats.
class StrftimeFormatter : public DateTimeFormatter {
 public:
  StrftimeFormatter(std::string date_format, std::string time_format)
      : date_format_(std::move(date_format)), time_format_(std::move(time_format)) {}
  std::string ShortDate(double t) const override { return Format(date_format_, t); }
  std::string LongTime(double t) const override { return Format(time_format_, t); }

 private:
  static std::string Format(const std::string& format, double t);
  std::string date_format_;
  std::string time_format_;
};

// The current local date and time as a day count.
double NowDayCount();

// Writes bytes to standard output unchanged.
void WriteOut(const std::string& bytes);

// A message box's text on standard error, as one line.
void ReportMessage(const std::string& text);

// An error in the general error box's form, on standard error.
void ReportError(const std::string& text);

// Options shared by subcommands that render.
struct RenderOptions {
  std::string theme_path;
  std::string user;
  std::string friend_name;
  bool no_date = false, no_time = false, no_bold = false, no_fonts = false;
  bool smileys = false, raw = false, text_only = false;
  std::optional<std::string> highlight;
  std::string date_format = "%x";
  std::string time_format = "%X";
};

void AddLooseNameOptions(CLI::App& app, std::string& user, std::string& friend_name);
void AddRenderOptions(CLI::App& app, RenderOptions& options);

// Loose names when --user/--friend were given (as typed, converted to the
// program's code page).
std::optional<LooseNames> LooseNamesFrom(const CLI::App& app, const std::string& user,
                                         const std::string& friend_name);

// Reads a theme file given by its path; throws FileError.
Theme LoadThemeFile(const std::string& path);

// What a rendering reads, from the options as the window's controls would hold
// them: the theme, the display options, the highlight, loose names, smileys.
RenderSettings MakeRenderSettings(const CLI::App& app, const RenderOptions& options,
                                  const Theme& theme, const DateTimeFormatter& formatter);

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;

}  // namespace orvex::cli
