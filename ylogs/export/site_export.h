// The website export: a folder any browser opens from disk. index.html lists
// every identity with its friends; each friend has a folder with a page of
// its own (activity chart and days) and one page per archive file in the
// theme, linked to the previous and next day. All in UTF-8, all links
// relative, no script, no remote resource; names safe on every common file
// system (SafeFileName). The site's own texts are in the context's language.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "export_writer.h"
#include "site_pages.h"
#include "site_style.h"

namespace orvex {

// Day counts and times in the code page's text, handed on as UTF-8.
class Utf8Formatter : public DateTimeFormatter {
 public:
  explicit Utf8Formatter(const DateTimeFormatter* inner) : inner_(inner) {}
  std::string ShortDate(double t) const override;
  std::string LongTime(double t) const override;

 private:
  const DateTimeFormatter* inner_;
};

class SiteWriter : public ConversationWriter {
 public:
  explicit SiteWriter(const ExportContext& context);
  void Begin(const std::vector<ExportSource>& sources) override;
  std::unique_ptr<PreparedConversation> Prepare(std::size_t index,
                                                const ExportSource& source) const override;
  void Commit(std::size_t index, const ExportSource& source,
              PreparedConversation& prepared) override;
  void Finish() override;

 private:
  struct Prepared;
  struct Day {
    std::size_t friend_index = 0;
    std::string page;            // file name in the friend's folder
    std::string previous, next;  // hrefs from the same folder; empty: none
    DaySummary summary;
  };
  struct Friend {
    std::string folder;  // from the site's root, ending in "/"
    std::string href;    // the same as a link
    bool made = false;
    FriendSummary summary;
    std::vector<std::size_t> days;  // in date order
  };

  // Every file the site will write, in the order it writes them.
  std::vector<std::string> Targets() const;
  std::vector<std::string> SmileyFiles() const;  // each picture once
  void CopySmileys();
  // Adds a committed conversation's searched text; writes its piece once full.
  void AddToSearchData(std::size_t index, std::string_view text);

  std::string root_;  // ends in "/"
  // The files an earlier site of the program's in the folder lists: the
  // only ones a site written into it may write over.
  std::set<std::string> written_before_;
  Theme theme_;  // the context's theme in UTF-8
  SiteLook look_ = SiteLook::kLight;
  Utf8Formatter formatter_;
  const SiteCaptions* captions_;
  RenderSettings settings_;
  std::function<std::string()> today_;
  const ArchiveFileGuard* guard_;
  std::string smileys_from_;  // the program's picture folder
  std::vector<Day> days_;     // one per source, in list order
  std::vector<Friend> friends_;
  // The search data: the first conversation of each piece, and the piece
  // being filled as the conversations are committed.
  std::vector<std::size_t> piece_starts_;
  std::size_t piece_ = 0;
  std::string piece_text_;
};

}  // namespace orvex
