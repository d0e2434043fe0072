// The website's own texts in each language it speaks: headings, links, labels,
// the chart's legend and the search page's messages. Message texts, names and
// dates are never among them. Every text is plain text (the pages escape it);
// "%1", "%2", ... stand for what is put in, numbers as digits.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// The language message texts are marked with wherever they appear: the
// program cannot tell theirs, and the site has always called them English.
inline constexpr std::string_view kMessageLanguage = "en";

// Which form of a noun follows a count: 0 "one", 1 "few", 2 "many".
enum class PluralRule {
  kOne,         // one for 1, many otherwise
  kZeroOrOne,   // one for 0 and 1, many otherwise
  kEastSlavic,  // one for 1, 21, ...; few for 2-4, 22-24, ...; many otherwise
  kArabic,      // few for 3-10, 103-110, ...; one otherwise (the counted form)
  kNone,        // one form for every count
};

// A noun after a count, in each form a rule picks.
struct CountedNoun {
  std::string_view one, few, many;
};

struct SiteCaptions {
  std::string_view language;  // the catalogue suffix: "en", "de", "pt_BR"
  std::string_view tag;       // for lang attributes: "en", "pt-BR"
  bool right_to_left = false;
  PluralRule plural = PluralRule::kOne;

  // Every page.
  std::string_view site;  // the navigation's name
  std::string_view all_conversations;
  std::string_view search;  // the link to the search page, its title and heading
  std::string_view search_button;
  std::string_view search_all;  // the box's placeholder and name
  std::string_view list_separator;
  std::string_view date_range;  // "%1 to %2"

  // The index.
  std::string_view conversations;  // its title and heading, and a column
  CountedNoun identities, friends, conversation_count, message_count;
  std::string_view friend_column, messages_column, first_column, last_column;

  // A friend's page.
  std::string_view conversations_of;  // "%1": the identity, "%2": the totals
  CountedNoun friend_days, friend_messages;
  std::string_view messages_per_month, days, undated;
  std::string_view date_column, file_column, words_column;
  std::string_view chart_title, sent, received, chart_note;
  std::string_view sent_in_month, received_in_month;  // "%1": the month, "%2": the count
  std::array<std::string_view, 12> month_initials;

  // A day's page.
  std::string_view conversation_with;  // "%1": the identity, "%2": the friend
  std::string_view days_end_of_page;
  std::string_view previous_day, next_day;

  // The search page and its script.
  std::string_view needs_script;  // "%1": the link to the list
  std::string_view list_of_all;
  std::string_view search_title;  // "%1": the text searched
  std::string_view data_missing;
  std::string_view type_to_search;  // "%1": the number of conversations
  CountedNoun hits;
  std::string_view searched;   // "%1" conversations, "%2" hits, "%3" of "%4"
  std::string_view searching;  // "%1" of "%2"
  std::string_view some_missing;
  std::string_view nothing_found;  // "%1": the text searched
};

// The texts of a language by its catalogue suffix; English for "en" and for
// any language the site has no texts in.
const SiteCaptions& SiteCaptionsFor(std::string_view language);

// `pattern` with "%1", "%2", ... replaced by `values` in one pass.
std::string FillCaption(std::string_view pattern, const std::vector<std::string>& values);

// A count and its noun in the form the count asks for: "3 conversations".
std::string CountText(const SiteCaptions& captions, const CountedNoun& noun, std::int64_t count);

// The search script's texts as a JSON object that is safe inside a <script>
// element; empty for English, whose texts the script holds itself.
std::string SearchScriptCaptions(const SiteCaptions& captions);

}  // namespace orvex
