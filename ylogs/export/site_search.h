// The website's search: a page (search.html) and its script, which search
// every conversation of the site in the browser, and the data they read. The
// data holds each conversation's searched text once, split into pieces that
// the page loads in turn as scripts, small ones first, so the first results
// show while the rest loads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// A conversation as a result names it (UTF-8).
struct SearchEntry {
  std::string href;  // its page, from the site's root
  std::string friend_name;
  std::string identity;
  std::string date;
};

// Appends `utf8` as a JavaScript string literal (quotes included).
void AppendJsString(std::string& out, std::string_view utf8);

// The first conversation of each piece, from the sizes of their archive
// files: pieces start small and grow, each closed once its files reach its
// share.
std::vector<std::size_t> SearchPieceStarts(const std::vector<std::int64_t>& sizes);

// search/index.js: every conversation in the site's order and the pieces.
std::string SearchIndexScript(const std::vector<SearchEntry>& entries,
                              const std::vector<std::size_t>& piece_starts);

// search/text-N.js, built a text at a time: Begin, then AppendText for each
// conversation of the piece, then End.
std::string SearchPieceBegin(std::size_t piece);
void AppendSearchPieceText(std::string& piece, std::string_view text, bool first);
std::string_view SearchPieceEnd();

// The name of a piece's file, from the site's root.
std::string SearchPieceFile(std::size_t piece);

// search/search.js (search.html is made with the other pages), and
// search/mark.js, which marks the hits on the day page a result opens.
std::string_view SearchPageScript();
std::string_view SearchMarkScript();

}  // namespace orvex
