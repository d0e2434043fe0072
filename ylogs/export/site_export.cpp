#include "site_export.h"

#include <algorithm>
#include <exception>
#include <map>
#include <set>

#include "export.h"
#include "platform/file_system.h"
#include "safe_file_name.h"
#include "site_folder.h"
#include "site_search.h"
#include "site_style.h"
#include "ylogs/base/day_time.h"
#include "ylogs/base/file_error.h"
#include "ylogs/render/rendered_file.h"
#include "ylogs/text/codepage.h"
#include "ylogs/text/utf8_text.h"

namespace orvex {
namespace {

constexpr char kRootFromFriend[] = "../../";

std::string FoldCase(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

// Names within one folder, distinct even where letter case is not told apart
// (Windows, macOS): a later name that would meet an earlier one gets "%~2",
// "%~3", ... (never made by SafeFileName) before its extension.
class FolderNames {
 public:
  explicit FolderNames(std::vector<std::string> taken = {}) {
    for (const std::string& t : taken) folded_.insert(FoldCase(t));
  }
  std::string Assign(const std::string& stem, const std::string& extension) {
    std::string name = stem + extension;
    for (int n = 2; !folded_.insert(FoldCase(name)).second; ++n) {
      name = stem + "%~" + std::to_string(n) + extension;
    }
    return name;
  }

 private:
  std::set<std::string> folded_;
};

// SafeFileName kept short enough for every file system and for the paths
// of three levels below the site's folder: a long name is cut (never inside
// an escape or a character, never before a final dot or blank); FolderNames
// then tells apart names that the cut made equal.
std::string ShortSafeName(std::string_view name) {
  constexpr std::size_t kLongest = 96;
  std::string safe = SafeFileName(name);
  if (safe.size() <= kLongest) return safe;
  std::size_t cut = kLongest;
  const auto inside_escape = [&] {
    return safe[cut - 1] == '%' || (cut >= 2 && safe[cut - 2] == '%');
  };
  const auto inside_character = [&] { return (safe[cut] & 0xC0) == 0x80; };
  while (cut > 1 &&
         (inside_escape() || inside_character() || safe[cut - 1] == '.' || safe[cut - 1] == ' ')) {
    --cut;
  }
  safe.resize(cut);
  return safe;
}

std::string StemOf(std::string_view file_name) {
  const std::size_t dot = file_name.find_last_of('.');
  return std::string(dot == std::string_view::npos || dot == 0 ? file_name
                                                               : file_name.substr(0, dot));
}

Theme ThemeAsUtf8(const Theme* theme) {
  if (!theme) return {};
  return {AnsiToUtf8(theme->file_header),
          AnsiToUtf8(theme->conversation_header),
          AnsiToUtf8(theme->message1),
          AnsiToUtf8(theme->message2),
          AnsiToUtf8(theme->conversation_footer),
          AnsiToUtf8(theme->file_footer)};
}

}  // namespace

std::string Utf8Formatter::ShortDate(double t) const {
  return inner_ ? AnsiToUtf8(inner_->ShortDate(t)) : std::string();
}

std::string Utf8Formatter::LongTime(double t) const {
  return inner_ ? AnsiToUtf8(inner_->LongTime(t)) : std::string();
}

SiteWriter::SiteWriter(const ExportContext& context)
    : root_(context.folder),
      theme_(ThemeAsUtf8(context.theme)),
      formatter_(context.settings.formatter),
      captions_(&SiteCaptionsFor(context.language)),
      settings_(context.settings),
      today_(context.today),
      guard_(context.guard),
      smileys_from_(context.settings.program_folder + "Smileys/") {
  if (root_.empty() || root_.back() != '/') root_ += '/';
  settings_.theme = &theme_;
  settings_.formatter = context.settings.formatter ? &formatter_ : nullptr;
  settings_.utf8_text = true;
  settings_.build_body = true;
  settings_.search_text = true;
  // A message's markup stays inside its message, whatever it holds.
  settings_.self_contained_messages = true;
  settings_.highlight.reset();  // the search of the moment is not part of the archive
  settings_.program_folder = kRootFromFriend;  // smileys: <root>/Smileys/
  look_ = context.theme ? LookOfTheme(*context.theme, context.default_theme) : SiteLook::kLight;
}

void SiteWriter::Begin(const std::vector<ExportSource>& sources) {
  days_.assign(sources.size(), Day{});
  friends_.clear();
  // Folders: one per identity, in it one per friend, in list order.
  FolderNames identity_names(
      {"index.html", "Smileys", "search.html", "search", kSiteManifestName, kSiteStyleName});
  std::map<std::string, std::string> identity_folder;
  std::map<std::string, FolderNames> friend_names;
  std::map<std::pair<std::string, std::string>, std::size_t> friend_index;
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const ExportSource& s = sources[i];
    auto [id_it, new_identity] = identity_folder.try_emplace(s.identity);
    if (new_identity) id_it->second = identity_names.Assign(ShortSafeName(s.identity), "");
    auto [f_it, new_friend] = friend_index.try_emplace({s.identity, s.friend_name});
    if (new_friend) {
      f_it->second = friends_.size();
      const std::string folder = friend_names[s.identity].Assign(ShortSafeName(s.friend_name), "");
      Friend f;
      f.folder = id_it->second + "/" + folder + "/";
      f.summary.identity = NameAsUtf8(s.identity);
      f.summary.name = NameAsUtf8(s.friend_name);
      f.href = UrlSegment(id_it->second) + "/" + UrlSegment(folder) + "/";
      f.summary.href = f.href + "index.html";
      friends_.push_back(std::move(f));
    }
    days_[i].friend_index = f_it->second;
    days_[i].summary.file_name = NameAsUtf8(s.file_name);
    days_[i].summary.date = s.date;
    friends_[f_it->second].days.push_back(i);
  }
  // Pages of a friend's days in date order (undated last), named after the
  // archive file; "index.html" is the friend's own page.
  for (Friend& f : friends_) {
    std::stable_sort(f.days.begin(), f.days.end(), [&](std::size_t a, std::size_t b) {
      const auto& da = days_[a].summary.date;
      const auto& db = days_[b].summary.date;
      if (da.has_value() != db.has_value()) return da.has_value();
      if (da && *da != *db) return *da < *db;
      return sources[a].file_name < sources[b].file_name;
    });
    FolderNames pages({"index.html"});
    for (std::size_t d : f.days) {
      days_[d].page = pages.Assign(ShortSafeName(StemOf(sources[d].file_name)), ".html");
      days_[d].summary.href = UrlSegment(days_[d].page);
    }
    for (std::size_t k = 0; k < f.days.size(); ++k) {
      Day& day = days_[f.days[k]];
      if (k > 0) day.previous = days_[f.days[k - 1]].summary.href;
      if (k + 1 < f.days.size()) day.next = days_[f.days[k + 1]].summary.href;
    }
  }
  std::vector<std::int64_t> sizes;
  for (const ExportSource& s : sources) sizes.push_back(s.size);
  piece_starts_ = SearchPieceStarts(sizes);
  piece_ = 0;
  piece_text_.clear();
  const std::vector<std::string> targets = Targets();
  if (guard_) guard_->CheckTargets(targets);
  const auto listed = SiteManifestFiles(root_);
  written_before_ = listed.value_or(std::set<std::string>());
  std::set<std::string> ours = written_before_;
  if (listed) ours.insert(kSiteManifestName);  // the list itself
  CheckSiteTargets(root_, targets, ours);
  MakeOutputFolder(root_);
  CopySmileys();
}

std::vector<std::string> SiteWriter::SmileyFiles() const {
  std::vector<std::string> files;
  if (!settings_.options.smileys || !settings_.smileys) return files;
  std::set<std::string> copied;
  for (const SmileyEntry& e : *settings_.smileys) {
    if (copied.insert(e.image_file).second) files.push_back(e.image_file);
  }
  return files;
}

std::vector<std::string> SiteWriter::Targets() const {
  std::vector<std::string> targets;
  for (const std::string& file : SmileyFiles()) targets.push_back(root_ + "Smileys/" + file);
  for (const Day& day : days_)
    targets.push_back(root_ + friends_[day.friend_index].folder + day.page);
  for (const Friend& f : friends_) targets.push_back(root_ + f.folder + "index.html");
  for (std::size_t p = 0; p < piece_starts_.size(); ++p)
    targets.push_back(root_ + SearchPieceFile(p));
  targets.push_back(root_ + "search/index.js");
  targets.push_back(root_ + "search/search.js");
  targets.push_back(root_ + "search/mark.js");
  targets.push_back(root_ + "search.html");
  targets.push_back(root_ + kSiteStyleName);
  targets.push_back(root_ + "index.html");
  targets.push_back(root_ + kSiteManifestName);  // last: it marks a complete site
  return targets;
}

void SiteWriter::CopySmileys() {
  if (!settings_.options.smileys || !settings_.smileys) return;
  const std::string to = root_ + "Smileys/";
  MakeOutputFolder(to);
  for (const std::string& file : SmileyFiles()) {
    std::string bytes;
    try {
      bytes = ReadWholeFile(smileys_from_ + file);
    } catch (const FileError&) {
      continue;  // a picture the program lacks is missing from its own pages too
    }
    WriteBytesToFile(to + file, bytes);
  }
}

// A day's page but its footer (which holds the time of writing), and its
// counts; its error is one that is not shown on the page.
struct SiteWriter::Prepared : PreparedConversation {
  TextItems doc;
  std::string search_text;
  MessageCounters counters;
};

std::unique_ptr<PreparedConversation> SiteWriter::Prepare(std::size_t index,
                                                          const ExportSource& source) const {
  // Only what Begin set is read here: the commits change days_ and friends_.
  const Day& day = days_[index];
  return MakePrepared<Prepared>([&](Prepared& prepared) {
    RenderedFile file = RenderOnItsOwn(source.path, false, settings_);
    std::vector<std::string> notes = std::move(file.messages);
    try {
      if (file.error) std::rethrow_exception(file.error);
    } catch (const UserError& e) {
      notes.push_back(e.what());  // shown on the page; any other error ends the export
    }
    prepared.counters = file.state.counters;
    prepared.search_text = std::move(file.state.search_text);

    const FriendSummary& f = friends_[day.friend_index].summary;
    const SiteCaptions& c = *captions_;
    const std::string nav =
        DayNavigation(c.days_end_of_page, day.previous, "index.html", day.next, f.name, c);
    const std::string day_text = DayText(day.summary);
    TextItems& doc = prepared.doc;
    doc = WithSiteDeclarations(SplitIntoItems(theme_.file_header),
                               f.name + " - " + day_text + " - " + f.identity, kRootFromFriend);
    doc.push_back(DayHeading(f.identity, f.name, day_text, c));
    doc.push_back(DayNavigation(c.days, day.previous, "index.html", day.next, f.name, c, true));
    doc.push_back("<main>");  // the conversation and what is said about it
    AddConversation(doc, theme_, file.body);
    for (std::string note : notes) {
      // A message names the archive by its full path; the page names the file.
      if (note.starts_with(source.path)) note = source.file_name + note.substr(source.path.size());
      doc.push_back("<p class=\"note\" style=\"font: 13px sans-serif;\">" +
                    EscapeHtml(NameAsUtf8(note)) + "</p>");
    }
    doc.push_back("</main>");
    doc.push_back(nav);
    doc.push_back("<script src=\"../../search/mark.js\"></script>");  // marks a search's hits
  });
}

void SiteWriter::Commit(std::size_t index, const ExportSource& /*source*/,
                        PreparedConversation& prepared) {
  Prepared& p = static_cast<Prepared&>(prepared);
  Day& day = days_[index];
  Friend& f = friends_[day.friend_index];
  if (!f.made) {
    MakeOutputFolder(root_ + f.folder);
    f.made = true;
  }
  p.RaiseError();
  const MessageCounters& c = p.counters;
  day.summary.sent = c.side[0].messages;
  day.summary.received = c.side[1].messages;
  day.summary.words = c.side[0].words + c.side[1].words;
  EndDocument(p.doc, theme_, today_ ? AnsiToUtf8(today_()) : std::string());
  WriteItemsToFile(root_ + f.folder + day.page, p.doc);
  AddToSearchData(index, p.search_text);
}

void SiteWriter::AddToSearchData(std::size_t index, std::string_view text) {
  const bool first = index == piece_starts_[piece_];
  if (first) {
    if (piece_ == 0) MakeOutputFolder(root_ + "search/");
    piece_text_ = SearchPieceBegin(piece_);
  }
  AppendSearchPieceText(piece_text_, text, first);
  const bool last = piece_ + 1 < piece_starts_.size() ? index + 1 == piece_starts_[piece_ + 1]
                                                      : index + 1 == days_.size();
  if (!last) return;
  piece_text_ += SearchPieceEnd();
  WriteBytesToFile(root_ + SearchPieceFile(piece_), piece_text_);
  piece_text_.clear();
  ++piece_;
}

void SiteWriter::Finish() {
  std::vector<FriendSummary> summaries;
  for (Friend& f : friends_) {
    for (std::size_t d : f.days) f.summary.days.push_back(days_[d].summary);
    MakeOutputFolder(root_ + f.folder);
    WriteBytesToFile(root_ + f.folder + "index.html",
                     FriendPage(f.summary, kRootFromFriend, *captions_));
    summaries.push_back(f.summary);
  }
  std::vector<SearchEntry> entries;
  for (const Day& day : days_) {
    const Friend& f = friends_[day.friend_index];
    entries.push_back(
        {f.href + day.summary.href, f.summary.name, f.summary.identity,
         day.summary.date ? FormatIsoDate(DayCountToCivil(*day.summary.date)) : std::string("-")});
  }
  MakeOutputFolder(root_ + "search/");
  WriteBytesToFile(root_ + "search/index.js", SearchIndexScript(entries, piece_starts_));
  WriteBytesToFile(root_ + "search/search.js", SearchPageScript());
  WriteBytesToFile(root_ + "search/mark.js", SearchMarkScript());
  WriteBytesToFile(root_ + "search.html", SearchPage(*captions_));
  WriteBytesToFile(root_ + kSiteStyleName, SiteStyleSheet(look_));
  WriteBytesToFile(root_ + "index.html", SiteIndexPage(summaries, *captions_));
  // What the program wrote here, so that a later run replaces this site and
  // nothing a user put beside it. What an earlier site here wrote and this
  // one did not write again is still the program's.
  std::vector<std::string> written = Targets();
  written.pop_back();
  std::set<std::string> listed;
  for (std::string& file : written) listed.insert(file.erase(0, root_.size()));
  for (const std::string& file : written_before_) {
    if (!listed.contains(file) && files::FileIdentity(root_ + file)) written.push_back(file);
  }
  WriteBytesToFile(root_ + kSiteManifestName, SiteManifestText(written));
}

}  // namespace orvex
