#include "cli_common.h"

#include <cstdio>
#include <ctime>

#include "platform/local_time.h"
#include "platform/program_environment.h"
#include "ylogs/base/day_time.h"
#include "ylogs/base/file_error.h"
#include "ylogs/program/clock.h"
#include "ylogs/program/error_text.h"
#include "ylogs/text/codepage.h"

namespace orvex::cli {

std::string ProgramFolder() {
  return ExecutableFolder();
}

const CLI::Validator& PathArgument() {
  static const CLI::Validator validator(
      [](std::string& text) {
        text = PathFromUser(std::move(text));
        return std::string();
      },
      "", "PathArgument");
  return validator;
}

std::string StrftimeFormatter::Format(const std::string& format, double t) {
  const CivilDateTime c = DayCountToCivil(t);
  std::tm tm{};
  tm.tm_year = c.year - 1900;
  tm.tm_mon = c.month - 1;
  tm.tm_mday = c.day;
  tm.tm_hour = c.hour;
  tm.tm_min = c.minute;
  tm.tm_sec = c.second;
  tm.tm_wday = c.weekday;
  tm.tm_yday = c.day_of_year;
  tm.tm_isdst = -1;
  return Utf8ToAnsi(FormatTimeUtf8(format, tm));
}

double NowDayCount() {
  return NowLocalDayCount();
}

void WriteOut(const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

void ReportMessage(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

void ReportError(const std::string& text) {
  ReportMessage(ErrorBoxText(text));
}

void AddLooseNameOptions(CLI::App& app, std::string& user, std::string& friend_name) {
  auto* u = app.add_option("--user", user, "the decoding name, as for loose files");
  auto* f = app.add_option("--friend", friend_name, "the friend's name, as for loose files");
  u->needs(f);
  f->needs(u);
}

void AddRenderOptions(CLI::App& app, RenderOptions& o) {
  app.add_option("--theme", o.theme_path, "theme file [program folder/themes/default.th]")
      ->transform(PathArgument());
  AddLooseNameOptions(app, o.user, o.friend_name);
  app.add_flag("--no-date", o.no_date, "uncheck \"Date\"");
  app.add_flag("--no-time", o.no_time, "uncheck \"Time\"");
  app.add_flag("--no-bold", o.no_bold, "uncheck \"Bold, italic, underline\"");
  app.add_flag("--no-fonts", o.no_fonts, "uncheck \"Fonts and colors\"");
  app.add_flag("--smileys", o.smileys, "check \"Smileys images\"");
  app.add_flag("--raw", o.raw, "formatting codes off");
  app.add_option("--highlight", o.highlight, "highlight TEXT as an active search tab does");
  app.add_flag("--text-only", o.text_only, "render in text-only mode");
  app.add_option("--date-format", o.date_format, "strftime format of the short date [%x]");
  app.add_option("--time-format", o.time_format, "strftime format of the long time [%X]");
}

std::optional<LooseNames> LooseNamesFrom(const CLI::App& app, const std::string& user,
                                         const std::string& friend_name) {
  if (app.count("--user") == 0) return std::nullopt;
  return LooseNames{Utf8ToAnsi(user), Utf8ToAnsi(friend_name)};
}

Theme LoadThemeFile(const std::string& path) {
  return ParseTheme(ReadWholeFile(path));
}

RenderSettings MakeRenderSettings(const CLI::App& app, const RenderOptions& o, const Theme& theme,
                                  const DateTimeFormatter& formatter) {
  RenderSettings settings;
  settings.theme = &theme;
  settings.options = {!o.no_date, !o.no_time, !o.no_bold, !o.no_fonts, o.smileys, !o.raw};
  if (o.highlight) settings.highlight = Utf8ToAnsi(*o.highlight);
  settings.smileys = &DefaultSmileyTable();
  settings.program_folder = ProgramFolder();
  settings.loose = LooseNamesFrom(app, o.user, o.friend_name);
  settings.formatter = &formatter;
  settings.messages = ReportMessage;
  return settings;
}

}  // namespace orvex::cli
