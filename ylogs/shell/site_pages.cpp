#include "site_pages.h"

#include <algorithm>
#include <cstdio>

#include "ylogs/archive/day_time.h"

namespace orvex {
namespace {

constexpr std::string_view kNewline = "\r\n";

constexpr std::string_view kStyle =
    "body { margin: 0 auto; max-width: 980px; padding: 16px 20px; color: #1f2733; "
    "background: #f6f7f9; font: 14px/1.45 sans-serif; }\r\n"
    "h1 { font-size: 22px; margin: 0 0 4px; } h2 { font-size: 17px; margin: 22px 0 6px; }\r\n"
    "table { border-collapse: collapse; background: #fff; border: 1px solid #d5dbe3; }\r\n"
    "th, td { padding: 3px 10px; border-bottom: 1px solid #eef0f3; text-align: left; }\r\n"
    "td.n, th.n { text-align: right; } .sub { color: #5b6676; margin: 0 0 12px; }\r\n"
    "a { color: #2a62b0; } svg { background: #fff; border: 1px solid #d5dbe3; }\r\n"
    "form.search { margin: 0 0 10px; } form.search input { width: 240px; }\r\n"
    "ol.results { padding-left: 24px; } ol.results li { margin: 0 0 10px; }\r\n"
    "ol.results a { display: block; text-decoration: none; color: inherit; }\r\n"
    "ol.results .head { display: block; color: #2a62b0; font-weight: bold; }\r\n"
    "ol.results .line { display: block; white-space: pre-wrap; }\r\n"
    "mark { background: #ffe36e; color: inherit; }\r\n";

std::string Date(const std::optional<std::int32_t>& date) {
  return date ? FormatIsoDate(DayCountToCivil(*date)) : std::string("-");
}

std::string PageStart(std::string_view title, std::string_view root,
                      std::string_view declarations = SiteHeadDeclarations()) {
  std::string out = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n";
  out += declarations;
  out += "<title>";
  out += EscapeHtml(title);
  out += "</title>\r\n<style>\r\n";
  out += kStyle;
  out += "</style>\r\n</head>\r\n<body>\r\n";
  out += "<p>";
  if (!root.empty()) {
    out += "<a href=\"";
    out += root;
    out += "index.html\" rel=\"up\">All conversations</a> &middot; ";
  }
  out += "<a href=\"";
  out += root;
  out += "search.html\">Search</a></p>\r\n";
  out += SearchForm(root, "");
  out += "\r\n";
  return out;
}

constexpr std::string_view kPageEnd = "</body>\r\n</html>\r\n";

struct Totals {
  std::int32_t messages = 0;
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
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

std::string_view SiteHeadDeclarations() {
  return "<meta charset=\"utf-8\">\r\n"
         "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
         "img-src 'self'; style-src 'self' 'unsafe-inline'; base-uri 'none'; "
         "form-action 'self'\">\r\n";
}

std::string SearchForm(std::string_view root, std::string_view style) {
  std::string out = "<form class=\"search\" role=\"search\" method=\"get\" action=\"";
  out += root;
  out += "search.html\"";
  if (!style.empty()) {
    out += " style=\"";
    out += style;
    out += '"';
  }
  out +=
      "><input type=\"search\" name=\"q\" id=\"q\" placeholder=\"Search all conversations\" "
      "aria-label=\"Search all conversations\"> <button type=\"submit\">Search</button></form>";
  return out;
}

TextItems WithSiteDeclarations(TextItems header) {
  std::string declarations(SiteHeadDeclarations());
  declarations.resize(declarations.size() - kNewline.size());  // an item gets its own
  for (std::string& item : header) {
    std::string lower;
    for (char c : item) lower.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c);
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

std::string ActivityChartSvg(const std::vector<MonthCount>& months) {
  constexpr int kBar = 5, kMonth = 14, kLeft = 40, kTop = 24, kHeight = 150, kBottom = 36;
  std::int32_t max = 1;
  for (const MonthCount& m : months) max = std::max({max, m.sent, m.received});
  // Wide enough for the legend however few the months.
  const int width = std::max(kLeft + static_cast<int>(months.size()) * kMonth + 30, 220);
  const int height = kTop + kHeight + kBottom;
  std::string out;
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" width=\"" + Number(width) +
         "\" height=\"" + Number(height) + "\" viewBox=\"0 0 " + Number(width) + " " +
         Number(height) + "\" font-family=\"sans-serif\" font-size=\"10\">\r\n";
  out += "<title>Messages per month</title>\r\n";
  out += "<rect x=\"" + Number(kLeft) + "\" y=\"6\" width=\"10\" height=\"10\" fill=\"#2a62b0\"/>";
  out += "<text x=\"" + Number(kLeft + 14) + "\" y=\"15\">sent</text>";
  out += "<rect x=\"" + Number(kLeft + 54) +
         "\" y=\"6\" width=\"10\" height=\"10\" fill=\"#c0392b\"/>";
  out += "<text x=\"" + Number(kLeft + 68) + "\" y=\"15\">received</text>\r\n";
  const int base = kTop + kHeight;
  out += "<line x1=\"" + Number(kLeft) + "\" y1=\"" + Number(base) + "\" x2=\"" +
         Number(width - 6) + "\" y2=\"" + Number(base) + "\" stroke=\"#8a94a3\"/>";
  out += "<text x=\"" + Number(kLeft - 4) + "\" y=\"" + Number(kTop + 4) +
         "\" text-anchor=\"end\">" + Number(max) + "</text>";
  out += "<text x=\"" + Number(kLeft - 4) + "\" y=\"" + Number(base) +
         "\" text-anchor=\"end\">0</text>\r\n";
  for (std::size_t i = 0; i < months.size(); ++i) {
    const MonthCount& m = months[i];
    const int x = kLeft + static_cast<int>(i) * kMonth + 2;
    char label[16];
    std::snprintf(label, sizeof label, "%04d-%02d", m.year, m.month);
    const std::int32_t counts[2] = {m.sent, m.received};
    const char* colours[2] = {"#2a62b0", "#c0392b"};
    const char* sides[2] = {"sent", "received"};
    for (int side = 0; side < 2; ++side) {
      const int h = static_cast<int>(static_cast<std::int64_t>(counts[side]) * kHeight / max);
      out += "<rect x=\"" + Number(x + side * kBar) + "\" y=\"" + Number(base - h) + "\" width=\"" +
             Number(kBar) + "\" height=\"" + Number(h) + "\" fill=\"" + colours[side] +
             "\"><title>" + label + ": " + Number(counts[side]) + " " + sides[side] +
             "</title></rect>";
    }
    if (m.month == 1 || i == 0) {
      out += "<line x1=\"" + Number(x - 2) + "\" y1=\"" + Number(base) + "\" x2=\"" +
             Number(x - 2) + "\" y2=\"" + Number(base + 5) + "\" stroke=\"#8a94a3\"/>";
      out += "<text x=\"" + Number(x - 2) + "\" y=\"" + Number(base + 17) + "\">" + Number(m.year) +
             "</text>";
    }
    out += "\r\n";
  }
  out += "</svg>\r\n";
  return out;
}

std::string DayNavigation(const std::string& previous, const std::string& friend_page,
                          const std::string& next, std::string_view friend_name, bool with_search) {
  std::string out =
      "<nav style=\"font: 13px/1.6 sans-serif; margin: 6px auto; max-width: 960px; "
      "padding: 0 4px;\">";
  if (!previous.empty())
    out += "<a href=\"" + previous + "\" rel=\"prev\">&larr; Previous day</a> | ";
  out += "<a href=\"" + friend_page + "\" rel=\"up\">" + EscapeHtml(friend_name) + "</a>";
  if (!next.empty()) out += " | <a href=\"" + next + "\" rel=\"next\">Next day &rarr;</a>";
  if (with_search) out += SearchForm("../../", "display: inline; margin-left: 16px;");
  out += "</nav>";
  return out;
}

std::string FriendPage(const FriendSummary& f, std::string_view root) {
  const Totals t = TotalsOf(f);
  std::string out = PageStart(f.name + " - " + f.identity, root);
  out += "<h1>" + EscapeHtml(f.name) + "</h1>\r\n";
  out += "<p class=\"sub\">Conversations of " + EscapeHtml(f.identity) + ": " +
         Number(static_cast<std::int64_t>(f.days.size())) + " days, " + Number(t.messages) +
         " messages, " + Date(t.first) + " to " + Date(t.last) + "</p>\r\n";
  out += "<h2>Messages per month</h2>\r\n";
  out += ActivityChartSvg(MonthlyCounts(f.days));
  out +=
      "<h2>Days</h2>\r\n<table>\r\n<tr><th>Date</th><th>File</th><th class=\"n\">Messages"
      "</th><th class=\"n\">Words</th></tr>\r\n";
  for (const DaySummary& d : f.days) {
    out += "<tr><td><a href=\"" + d.href + "\">" + Date(d.date) + "</a></td><td>" +
           EscapeHtml(d.file_name) + "</td><td class=\"n\">" + Number(d.sent + d.received) +
           "</td><td class=\"n\">" + Number(d.words) + "</td></tr>\r\n";
  }
  out += "</table>\r\n";
  out += kPageEnd;
  return out;
}

std::string SiteIndexPage(const std::vector<FriendSummary>& friends) {
  std::string out = PageStart("Conversations", "");
  out += "<h1>Conversations</h1>\r\n";
  std::vector<std::string> identities;
  for (const FriendSummary& f : friends) {
    if (std::find(identities.begin(), identities.end(), f.identity) == identities.end()) {
      identities.push_back(f.identity);
    }
  }
  for (const std::string& identity : identities) {
    out += "<h2>" + EscapeHtml(identity) +
           "</h2>\r\n<table>\r\n<tr><th>Friend</th>"
           "<th class=\"n\">Conversations</th><th class=\"n\">Messages</th><th>First</th>"
           "<th>Last</th></tr>\r\n";
    for (const FriendSummary& f : friends) {
      if (f.identity != identity) continue;
      const Totals t = TotalsOf(f);
      out += "<tr><td><a href=\"" + f.href + "\">" + EscapeHtml(f.name) +
             "</a></td><td class=\"n\">" + Number(static_cast<std::int64_t>(f.days.size())) +
             "</td><td class=\"n\">" + Number(t.messages) + "</td><td>" + Date(t.first) +
             "</td><td>" + Date(t.last) + "</td></tr>\r\n";
    }
    out += "</table>\r\n";
  }
  out += kPageEnd;
  return out;
}

std::string_view SearchPageDeclarations() {
  // The one page that runs a script: the site's own, nothing inline.
  return "<meta charset=\"utf-8\">\r\n"
         "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
         "script-src 'self'; img-src 'self'; style-src 'self' 'unsafe-inline'; base-uri 'none'; "
         "form-action 'self'\">\r\n";
}

std::string SearchPage() {
  std::string out = PageStart("Search", "./", SearchPageDeclarations());
  out +=
      "<h1>Search</h1>\r\n"
      "<noscript><p>The search needs JavaScript, which is turned off in this browser. Every "
      "conversation can still be read from <a href=\"index.html\">the list of all "
      "conversations</a>.</p></noscript>\r\n"
      "<p id=\"status\" class=\"sub\" role=\"status\"></p>\r\n"
      "<p id=\"note\"></p>\r\n"
      "<ol id=\"results\" class=\"results\"></ol>\r\n"
      "<script src=\"search/index.js\"></script>\r\n"
      "<script src=\"search/search.js\"></script>\r\n";
  out += kPageEnd;
  return out;
}

}  // namespace orvex
