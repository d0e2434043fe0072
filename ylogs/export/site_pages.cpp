#include "site_pages.h"

#include <algorithm>
#include <cstdio>

#include "site_style.h"
#include "ylogs/base/day_time.h"
#include "ylogs/render/self_contained_message.h"

namespace orvex {
namespace {

// A phone shows the pages at its own width.
constexpr std::string_view kViewport =
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">";

std::string StyleSheetLink(std::string_view root) {
  return "<link rel=\"stylesheet\" href=\"" + std::string(root) + kSiteStyleName + "\">";
}

constexpr std::string_view kStyle =
    "body { margin: 0 auto; max-width: 980px; padding: 16px 20px; color: #1f2733; "
    "background: #f6f7f9; font: 14px/1.45 sans-serif; }\r\n"
    "h1 { font-size: 22px; margin: 0 0 4px; } h2 { font-size: 17px; margin: 22px 0 6px; }\r\n"
    "h3 { font-size: 15px; margin: 16px 0 4px; } h3 .sub { font-weight: normal; }\r\n"
    "table { border-collapse: collapse; background: #fff; border: 1px solid #d5dbe3; }\r\n"
    "th, td { padding: 3px 10px; border-bottom: 1px solid #eef0f3; text-align: left; }\r\n"
    "td.n, th.n { text-align: right; } .sub { color: #5b6676; margin: 0 0 12px; }\r\n"
    "table.list td { white-space: nowrap; } table.list td.name { white-space: normal; }\r\n"
    "a { color: #2a62b0; } svg { background: #fff; border: 1px solid #d5dbe3; }\r\n"
    "form.search { margin: 0 0 10px; } form.search input { width: 240px; }\r\n"
    "ol.results { padding-left: 24px; } ol.results li { margin: 0 0 10px; }\r\n"
    "ol.results a { display: block; text-decoration: none; color: inherit; }\r\n"
    "ol.results .head { display: block; color: #2a62b0; font-weight: bold; }\r\n"
    "ol.results .line { display: block; white-space: pre-wrap; }\r\n"
    "mark { background: #ffe36e; color: inherit; }\r\n";

// What a page written right to left turns round.
constexpr std::string_view kRightToLeftStyle =
    "th, td { text-align: right; } td.n, th.n { text-align: left; }\r\n"
    "ol.results { padding-left: 0; padding-right: 24px; }\r\n";

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
  return lower;
}

std::string Date(const std::optional<std::int32_t>& date) {
  return date ? FormatIsoDate(DayCountToCivil(*date)) : std::string("-");
}

std::string Count(const SiteCaptions& c, const CountedNoun& noun, std::int64_t n) {
  return EscapeHtml(CountText(c, noun, n));
}

std::string PageStart(std::string_view title, std::string_view root, const SiteCaptions& c) {
  std::string out = "<!DOCTYPE html>\r\n<html lang=\"";
  out += c.tag;
  out += c.right_to_left ? "\" dir=\"rtl\">\r\n<head>\r\n" : "\">\r\n<head>\r\n";
  out += SiteHeadDeclarations();
  out += kViewport;
  out += "\r\n<title>";
  out += EscapeHtml(title);
  out += "</title>\r\n<style>\r\n";
  out += kStyle;
  if (c.right_to_left) out += kRightToLeftStyle;
  out += "</style>\r\n";
  out += StyleSheetLink(root);
  out += "\r\n</head>\r\n<body>\r\n";
  out += "<nav aria-label=\"" + EscapeHtml(c.site) + "\">";
  if (!root.empty()) {
    out += "<a href=\"";
    out += root;
    out += "index.html\" rel=\"up\">" + EscapeHtml(c.all_conversations) + "</a> &middot; ";
  }
  out += "<a href=\"";
  out += root;
  out += "search.html\">" + EscapeHtml(c.search) + "</a></nav>\r\n";
  out += SearchForm(root, "", c);
  out += "\r\n<main>\r\n";
  return out;
}

constexpr std::string_view kPageEnd = "</main>\r\n</body>\r\n</html>\r\n";

struct Totals {
  std::int64_t messages = 0;
  std::optional<std::int32_t> first, last;
};

Totals TotalsOf(const FriendSummary& f) {
  Totals t;
  for (const DaySummary& d : f.days) {
    t.messages += d.sent + d.received;
    if (!d.date) continue;
    if (!t.first || *d.date < *t.first) t.first = d.date;
    if (!t.last || *d.date > *t.last) t.last = d.date;
  }
  return t;
}

std::string Number(std::int64_t n) {
  return std::to_string(n);
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendEscapedHtml(text, out);
  return out;
}

std::string_view SiteHeadDeclarations() {
  return "<meta charset=\"utf-8\">\r\n"
         "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
         "script-src 'self'; img-src 'self'; style-src 'self' 'unsafe-inline'; base-uri 'none'; "
         "form-action 'self'\">\r\n";
}

std::string CaptionLanguage(const SiteCaptions& c) {
  if (c.tag == kMessageLanguage) return {};
  std::string out = " lang=\"" + std::string(c.tag) + "\"";
  if (c.right_to_left) out += " dir=\"rtl\"";
  return out;
}

std::string SearchForm(std::string_view root, std::string_view style, const SiteCaptions& c) {
  std::string out = "<form class=\"search\" role=\"search\" method=\"get\" action=\"";
  out += root;
  out += "search.html\"";
  if (!style.empty()) {
    out += " style=\"";
    out += style;
    out += '"';
  }
  const std::string search_all = EscapeHtml(c.search_all);
  out += "><input type=\"search\" name=\"q\" id=\"q\" placeholder=\"" + search_all +
         "\" aria-label=\"" + search_all + "\"> <button type=\"submit\">" +
         EscapeHtml(c.search_button) + "</button></form>";
  return out;
}

TextItems WithSiteDeclarations(TextItems header, std::string_view title, std::string_view root) {
  std::string declarations(SiteHeadDeclarations());
  declarations += kViewport;
  const std::string own_title = "<title>" + EscapeHtml(title) + "</title>";
  // The theme's own title gives way to the page's.
  bool titled = false;
  for (std::string& item : header) {
    const std::string lower = LowerAscii(item);
    const std::size_t open = lower.find("<title");
    const std::size_t close = lower.find("</title>", open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos) continue;
    item.replace(open, close + 8 - open, own_title);
    titled = true;
    break;
  }
  if (!titled) declarations += "\r\n" + own_title;
  // The site's style after the theme's, so that it wins: before </head>, else
  // with the declarations.
  bool linked = false;
  for (std::string& item : header) {
    const std::size_t end = LowerAscii(item).find("</head>");
    if (end == std::string::npos) continue;
    item.insert(end, StyleSheetLink(root));
    linked = true;
    break;
  }
  if (!linked) declarations += "\r\n" + StyleSheetLink(root);
  // The messages' language on the theme's <html> tag, unless it names one;
  // the site's captions on the page say their own.
  for (std::string& item : header) {
    const std::string lower = LowerAscii(item);
    const std::size_t at = lower.find("<html");
    if (at == std::string::npos || (at + 5 < lower.size() && lower[at + 5] != '>' &&
                                    lower[at + 5] != ' ' && lower[at + 5] != '\t')) {
      continue;
    }
    const std::size_t close = lower.find('>', at);
    if (lower.substr(at, close - at).find("lang=") == std::string::npos) {
      item.insert(at + 5, " lang=\"" + std::string(kMessageLanguage) + "\"");
    }
    break;
  }
  for (std::string& item : header) {
    const std::string lower = LowerAscii(item);
    std::size_t at = lower.find("<head");
    // "<header" is another element.
    while (at != std::string::npos && lower.compare(at, 7, "<header") == 0) {
      at = lower.find("<head", at + 1);
    }
    if (at == std::string::npos) continue;
    const std::size_t close = item.find('>', at);
    if (close == std::string::npos) continue;
    item.insert(close + 1, "\r\n" + declarations);
    return header;
  }
  header.insert(header.begin(), declarations);
  return header;
}

std::vector<MonthCount> MonthlyCounts(const std::vector<DaySummary>& days) {
  std::vector<MonthCount> months;
  int first = -1, last = -1;  // months counted from year 0
  for (const DaySummary& d : days) {
    if (!d.date) continue;
    const CivilDateTime c = DayCountToCivil(*d.date);
    const int m = c.year * 12 + c.month - 1;
    if (first < 0 || m < first) first = m;
    if (last < 0 || m > last) last = m;
  }
  if (first < 0) return months;
  for (int m = first; m <= last; ++m) months.push_back({m / 12, m % 12 + 1, 0, 0});
  for (const DaySummary& d : days) {
    if (!d.date) continue;
    const CivilDateTime c = DayCountToCivil(*d.date);
    MonthCount& mc = months[static_cast<std::size_t>(c.year * 12 + c.month - 1 - first)];
    mc.sent += d.sent;
    mc.received += d.received;
  }
  return months;
}

namespace {

// The scale's step: the smallest of 1, 2 or 5 times a power of ten that
// reaches `max` in at most four steps, so that every mark is a round number.
std::int32_t ScaleStep(std::int32_t max) {
  for (std::int64_t power = 1;; power *= 10) {
    for (const std::int64_t factor : {1, 2, 5}) {
      if (power * factor * 4 >= max) return static_cast<std::int32_t>(power * factor);
    }
  }
}

// About how wide a text is at the chart's size: a Chinese character twice
// the width of any other.
int TextWidth(std::string_view utf8) {
  int width = 0;
  for (const char ch : utf8) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if ((c & 0xC0) == 0x80) continue;
    width += c >= 0xE3 && c <= 0xE9 ? 10 : 6;
  }
  return width;
}

}  // namespace

std::string ActivityChartSvg(const std::vector<MonthCount>& months, const SiteCaptions& c) {
  constexpr int kLeft = 52, kTop = 28, kHeight = 160, kBottom = 44, kRight = 12;
  std::int32_t max = 1;
  for (const MonthCount& m : months) max = std::max({max, m.sent, m.received});
  const std::int32_t step = ScaleStep(max);
  const int marks = static_cast<int>((max + step - 1) / step);
  const std::int64_t top = static_cast<std::int64_t>(step) * marks;
  // Months are wider when there are few of them; the chart is never narrower
  // than its legend and scale.
  const int count = std::max(static_cast<int>(months.size()), 1);
  const int month_width = std::clamp(600 / count, 14, 48);
  const int bar = month_width / 2 - 1;
  // The legend: each word takes the room it needs, the English ones what
  // they always had.
  const int sent_at = kLeft + 14;
  const int received_box = sent_at + std::max(40, TextWidth(c.sent) + 14);
  const int received_at = received_box + 14;
  const int note_at = received_at + std::max(62, TextWidth(c.received) + 14);
  const int width = std::max(
      {kLeft + count * month_width + kRight, 480, note_at + TextWidth(c.chart_note) + kRight});
  const int height = kTop + kHeight + kBottom;
  const int base = kTop + kHeight;
  std::string out;
  // Its own size where there is room, scaled down to a narrower column.
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" width=\"" + Number(width) +
         "\" height=\"" + Number(height) + "\" viewBox=\"0 0 " + Number(width) + " " +
         Number(height) +
         "\" style=\"max-width: 100%; height: auto;\" font-family=\"sans-serif\" "
         "font-size=\"10\"";
  // Time runs left to right whatever way the page's text runs.
  out += c.right_to_left ? " direction=\"ltr\">\r\n" : ">\r\n";
  out += "<title>" + EscapeHtml(c.chart_title) + "</title>\r\n";
  out += "<rect x=\"" + Number(kLeft) + "\" y=\"6\" width=\"10\" height=\"10\" fill=\"#2a62b0\"/>";
  out += "<text x=\"" + Number(sent_at) + "\" y=\"15\">" + EscapeHtml(c.sent) + "</text>";
  out += "<rect x=\"" + Number(received_box) +
         "\" y=\"6\" width=\"10\" height=\"10\" fill=\"#c0392b\"/>";
  out += "<text x=\"" + Number(received_at) + "\" y=\"15\">" + EscapeHtml(c.received) + "</text>";
  out += "<text x=\"" + Number(note_at) + "\" y=\"15\" fill=\"#5b6676\">" +
         EscapeHtml(c.chart_note) + "</text>\r\n";
  // The scale: a line and a number at every step.
  for (int q = 0; q <= marks; ++q) {
    const int y = base - kHeight * q / marks;
    out += "<line x1=\"" + Number(kLeft) + "\" y1=\"" + Number(y) + "\" x2=\"" +
           Number(width - kRight) + "\" y2=\"" + Number(y) + "\" stroke=\"" +
           (q == 0 ? "#8a94a3" : "#e3e7ec") + "\"/>";
    out += "<text x=\"" + Number(kLeft - 5) + "\" y=\"" + Number(y + 3) +
           "\" text-anchor=\"end\">" + Number(static_cast<std::int64_t>(step) * q) + "</text>\r\n";
  }
  for (std::size_t i = 0; i < months.size(); ++i) {
    const MonthCount& m = months[i];
    const int x = kLeft + static_cast<int>(i) * month_width + 1;
    char label[16];
    std::snprintf(label, sizeof label, "%04d-%02d", m.year, m.month);
    const std::int32_t counts[2] = {m.sent, m.received};
    const char* colours[2] = {"#2a62b0", "#c0392b"};
    const std::string_view sides[2] = {c.sent_in_month, c.received_in_month};
    for (int side = 0; side < 2; ++side) {
      const int h = static_cast<int>(static_cast<std::int64_t>(counts[side]) * kHeight / top);
      out += "<rect x=\"" + Number(x + side * bar) + "\" y=\"" + Number(base - h) + "\" width=\"" +
             Number(bar) + "\" height=\"" + Number(h) + "\" fill=\"" + colours[side] +
             "\"><title>" + EscapeHtml(FillCaption(sides[side], {label, Number(counts[side])})) +
             "</title></rect>";
    }
    // Each month's initial where there is room; a tick and the year where a
    // year starts.
    if (month_width >= 12) {
      out += "<text x=\"" + Number(x + bar) + "\" y=\"" + Number(base + 12) +
             "\" text-anchor=\"middle\" fill=\"#5b6676\">" +
             EscapeHtml(c.month_initials[static_cast<std::size_t>(m.month - 1)]) + "</text>";
    }
    if (m.month == 1 || i == 0) {
      out += "<line x1=\"" + Number(x - 1) + "\" y1=\"" + Number(base) + "\" x2=\"" +
             Number(x - 1) + "\" y2=\"" + Number(base + 28) + "\" stroke=\"#8a94a3\"/>";
      out += "<text x=\"" + Number(x + 2) + "\" y=\"" + Number(base + 28) + "\">" + Number(m.year) +
             "</text>";
    }
    out += "\r\n";
  }
  out += "</svg>\r\n";
  return out;
}

std::string DayText(const DaySummary& day) {
  return day.date ? FormatIsoDate(DayCountToCivil(*day.date)) : day.file_name;
}

std::string DayHeading(std::string_view identity, std::string_view friend_name,
                       std::string_view day, const SiteCaptions& c) {
  std::string out = "<div class=\"day-head\"" + CaptionLanguage(c) +
                    " style=\"font: 13px/1.5 sans-serif; margin: 8px auto 0; "
                    "max-width: 960px; padding: 0 4px;\"><a href=\"../../index.html\">" +
                    EscapeHtml(c.all_conversations) + "</a> &rsaquo; <a href=\"index.html\">";
  out += EscapeHtml(friend_name);
  out += "</a> &rsaquo; ";
  out += EscapeHtml(day);
  out += "<h1 style=\"font-size: 20px; margin: 4px 0 0;\">";
  out += EscapeHtml(friend_name);
  out += " &middot; ";
  out += EscapeHtml(day);
  out += "</h1><div class=\"whose\">";
  out +=
      FillCaption(EscapeHtml(c.conversation_with), {EscapeHtml(identity), EscapeHtml(friend_name)});
  out += "</div></div>";
  return out;
}

std::string DayNavigation(std::string_view label, const std::string& previous,
                          const std::string& friend_page, const std::string& next,
                          std::string_view friend_name, const SiteCaptions& c, bool with_search) {
  std::string out = "<nav aria-label=\"" + EscapeHtml(label) + "\"" + CaptionLanguage(c) +
                    " style=\"font: 13px/1.6 sans-serif; margin: 6px auto; max-width: 960px; "
                    "padding: 0 4px;\">";
  // The arrows point the way the days run, which a page right to left turns.
  const std::string_view back = c.right_to_left ? "&rarr; " : "&larr; ";
  const std::string_view on = c.right_to_left ? " &larr;" : " &rarr;";
  if (!previous.empty()) {
    out += "<a href=\"" + previous + "\" rel=\"prev\">" + std::string(back) +
           EscapeHtml(c.previous_day) + "</a> | ";
  }
  out += "<a href=\"" + friend_page + "\" rel=\"up\">" + EscapeHtml(friend_name) + "</a>";
  if (!next.empty()) {
    out += " | <a href=\"" + next + "\" rel=\"next\">" + EscapeHtml(c.next_day) + std::string(on) +
           "</a>";
  }
  if (with_search) {
    out += SearchForm("../../",
                      c.right_to_left ? "display: inline; margin-right: 16px;"
                                      : "display: inline; margin-left: 16px;",
                      c);
  }
  out += "</nav>";
  return out;
}

std::string FriendPage(const FriendSummary& f, std::string_view root, const SiteCaptions& c) {
  const Totals t = TotalsOf(f);
  const std::string separator = EscapeHtml(c.list_separator);
  std::string out = PageStart(f.name + " - " + f.identity, root, c);
  out += "<h1>" + EscapeHtml(f.name) + "</h1>\r\n";
  const std::string totals = Count(c, c.friend_days, static_cast<std::int64_t>(f.days.size())) +
                             separator + Count(c, c.friend_messages, t.messages) + separator +
                             FillCaption(EscapeHtml(c.date_range), {Date(t.first), Date(t.last)});
  out += "<p class=\"sub\">" +
         FillCaption(EscapeHtml(c.conversations_of), {EscapeHtml(f.identity), totals}) + "</p>\r\n";
  out += "<h2>" + EscapeHtml(c.messages_per_month) + "</h2>\r\n";
  out += ActivityChartSvg(MonthlyCounts(f.days), c);
  // The days by year, each year a table of its own, with a jump to each.
  struct Year {
    std::string name, id;
    std::size_t first = 0, end = 0;
    std::int64_t messages = 0;
  };
  std::vector<Year> years;
  for (std::size_t k = 0; k < f.days.size(); ++k) {
    const DaySummary& d = f.days[k];
    const std::string name = d.date ? Number(DayCountToCivil(*d.date).year) : EscapeHtml(c.undated);
    if (years.empty() || years.back().name != name) {
      years.push_back({name, d.date ? "y" + name : "undated", k, k, 0});
    }
    years.back().end = k + 1;
    years.back().messages += d.sent + d.received;
  }
  out += "<h2>" + EscapeHtml(c.days) + "</h2>\r\n";
  if (years.size() > 1) {
    out += "<p>";
    for (std::size_t y = 0; y < years.size(); ++y) {
      if (y) out += " &middot; ";
      out += "<a href=\"#" + years[y].id + "\">" + years[y].name + "</a>";
    }
    out += "</p>\r\n";
  }
  for (const Year& y : years) {
    out += "<h3 id=\"" + y.id + "\">" + y.name + " <span class=\"sub\">" +
           Count(c, c.friend_days, static_cast<std::int64_t>(y.end - y.first)) + separator +
           Count(c, c.friend_messages, y.messages) + "</span></h3>\r\n";
    out += "<table class=\"list\">\r\n<tr><th>" + EscapeHtml(c.date_column) + "</th><th>" +
           EscapeHtml(c.file_column) + "</th><th class=\"n\">" + EscapeHtml(c.messages_column) +
           "</th><th class=\"n\">" + EscapeHtml(c.words_column) + "</th></tr>\r\n";
    for (std::size_t k = y.first; k < y.end; ++k) {
      const DaySummary& d = f.days[k];
      out += "<tr><td><a href=\"" + d.href + "\">" + Date(d.date) + "</a></td><td class=\"name\">" +
             EscapeHtml(d.file_name) + "</td><td class=\"n\">" + Number(d.sent + d.received) +
             "</td><td class=\"n\">" + Number(d.words) + "</td></tr>\r\n";
    }
    out += "</table>\r\n";
  }
  out += kPageEnd;
  return out;
}

std::string SiteIndexPage(const std::vector<FriendSummary>& friends, const SiteCaptions& c) {
  std::string out = PageStart(c.conversations, "", c);
  out += "<h1>" + EscapeHtml(c.conversations) + "</h1>\r\n";
  std::vector<std::string> identities;
  Totals all;
  std::int64_t days = 0;
  for (const FriendSummary& f : friends) {
    if (std::find(identities.begin(), identities.end(), f.identity) == identities.end()) {
      identities.push_back(f.identity);
    }
    const Totals t = TotalsOf(f);
    all.messages += t.messages;
    days += static_cast<std::int64_t>(f.days.size());
    if (t.first && (!all.first || *t.first < *all.first)) all.first = t.first;
    if (t.last && (!all.last || *t.last > *all.last)) all.last = t.last;
  }
  const std::string separator = EscapeHtml(c.list_separator);
  out +=
      "<p class=\"sub\">" + Count(c, c.identities, static_cast<std::int64_t>(identities.size())) +
      separator + Count(c, c.friends, static_cast<std::int64_t>(friends.size())) + separator +
      Count(c, c.conversation_count, days) + separator + Count(c, c.message_count, all.messages) +
      (all.first
           ? separator + FillCaption(EscapeHtml(c.date_range), {Date(all.first), Date(all.last)})
           : std::string()) +
      "</p>\r\n";
  for (const std::string& identity : identities) {
    out += "<h2>" + EscapeHtml(identity) + "</h2>\r\n<table class=\"list\">\r\n<tr><th>" +
           EscapeHtml(c.friend_column) + "</th><th class=\"n\">" + EscapeHtml(c.conversations) +
           "</th><th class=\"n\">" + EscapeHtml(c.messages_column) + "</th><th>" +
           EscapeHtml(c.first_column) + "</th><th>" + EscapeHtml(c.last_column) + "</th></tr>\r\n";
    for (const FriendSummary& f : friends) {
      if (f.identity != identity) continue;
      const Totals t = TotalsOf(f);
      out += "<tr><td class=\"name\"><a href=\"" + f.href + "\">" + EscapeHtml(f.name) +
             "</a></td><td class=\"n\">" + Number(static_cast<std::int64_t>(f.days.size())) +
             "</td><td class=\"n\">" + Number(t.messages) + "</td><td>" + Date(t.first) +
             "</td><td>" + Date(t.last) + "</td></tr>\r\n";
    }
    out += "</table>\r\n";
  }
  out += kPageEnd;
  return out;
}

std::string SearchPage(const SiteCaptions& c) {
  std::string out = PageStart(c.search, "./", c);
  out += "<h1 id=\"heading\">" + EscapeHtml(c.search) + "</h1>\r\n<noscript><p>" +
         FillCaption(EscapeHtml(c.needs_script),
                     {"<a href=\"index.html\">" + EscapeHtml(c.list_of_all) + "</a>"}) +
         "</p></noscript>\r\n"
         "<p id=\"status\" class=\"sub\" role=\"status\"></p>\r\n"
         "<p id=\"note\"></p>\r\n"
         "<ol id=\"results\" class=\"results\"></ol>\r\n";
  // The script's own texts are English; another language's it reads here.
  if (const std::string texts = SearchScriptCaptions(c); !texts.empty()) {
    out += "<script type=\"application/json\" id=\"captions\">" + texts + "</script>\r\n";
  }
  out +=
      "<script src=\"search/index.js\"></script>\r\n"
      "<script src=\"search/search.js\"></script>\r\n";
  out += kPageEnd;
  return out;
}

}  // namespace orvex
