// The pages of the website export that the theme does not dress: the index of
// identities and friends, a friend's page with its activity chart and days,
// and what every page carries (charset, policy, the day pages' links), with
// their texts in the site's language.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "site_captions.h"
#include "ylogs/render/document.h"

namespace orvex {

// One archive file of a friend, as its page and the friend's page show it.
struct DaySummary {
  std::string href;       // the day page, from the friend's folder
  std::string file_name;  // UTF-8
  std::optional<std::int32_t> date;
  std::int32_t sent = 0;
  std::int32_t received = 0;
  std::int32_t words = 0;
};

struct FriendSummary {
  std::string identity;          // UTF-8
  std::string name;              // UTF-8
  std::string href;              // the friend's page, from the site's root
  std::vector<DaySummary> days;  // in date order
};

// Messages of one calendar month, for the chart.
struct MonthCount {
  int year = 0;
  int month = 0;  // 1..12
  std::int32_t sent = 0;
  std::int32_t received = 0;
};

std::string EscapeHtml(std::string_view text);

// What every page declares at the start of its head: UTF-8, and a policy that
// lets nothing load or run but the site's own pictures, styles and scripts
// (a message can bring no script: it is reduced to its formatting).
std::string_view SiteHeadDeclarations();

// The attributes that mark a part of a day page as in the site's language,
// where the page says the messages' (kMessageLanguage); empty for English.
std::string CaptionLanguage(const SiteCaptions& captions);

// The search box every page carries; it opens `root` + "search.html?q=...".
std::string SearchForm(std::string_view root, std::string_view style, const SiteCaptions& captions);

// search.html: the box, the results and the script that fills them.
std::string SearchPage(const SiteCaptions& captions);

// The theme's file header with the declarations and the page's title put in:
// after its <head> tag when it has one, else in front of everything; the
// theme's own <title> gives way to the page's. The site's stylesheet (at
// `root`) goes before </head>, after the theme's style, and <html> gets the
// messages' language (kMessageLanguage) unless it names one.
TextItems WithSiteDeclarations(TextItems header, std::string_view title, std::string_view root);

// The day a day page stands for: its date, or the archive file's name when
// the name holds none.
std::string DayText(const DaySummary& day);

// The top of a day page: the path back to the index and the friend, and a
// heading naming the friend, the day and the identity (UTF-8 texts).
std::string DayHeading(std::string_view identity, std::string_view friend_name,
                       std::string_view day, const SiteCaptions& captions);

// The months from the first to the last dated day, empty months included.
std::vector<MonthCount> MonthlyCounts(const std::vector<DaySummary>& days);

// Messages per month of both sides as bars (inline SVG, no script).
std::string ActivityChartSvg(const std::vector<MonthCount>& months, const SiteCaptions& captions);

// The links of a day page, a navigation named `label`: previous day, the
// friend's page, next day (an empty href leaves that link out), and the search
// box when asked for.
std::string DayNavigation(std::string_view label, const std::string& previous,
                          const std::string& friend_page, const std::string& next,
                          std::string_view friend_name, const SiteCaptions& captions,
                          bool with_search = false);

// A friend's page; `root` leads back to the site's index ("../../").
std::string FriendPage(const FriendSummary& friend_summary, std::string_view root,
                       const SiteCaptions& captions);

// The site's index: every identity with its friends, in the order given.
std::string SiteIndexPage(const std::vector<FriendSummary>& friends, const SiteCaptions& captions);

}  // namespace orvex
