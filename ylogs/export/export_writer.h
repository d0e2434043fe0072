// Exports of a list of conversations, each kind of output a back-end behind
// one interface: the themed page and the transcript of the batch export, the
// JSON files and the website made for keeping.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ylogs/export/archive_file_guard.h"
#include "ylogs/render/document.h"
#include "ylogs/render/renderer.h"
#include "ylogs/render/theme.h"

namespace orvex {

struct ConversationEntry;

// One conversation of an export: one archive file and its row of the list.
struct ExportSource {
  std::string path;
  std::string file_name;
  std::string friend_name;
  std::string identity;
  std::optional<std::int32_t> date;  // day count; none when the name holds no date
  std::int64_t size = 0;             // the archive file's size in the list
  int copy = 0;                      // which differing copy of its day (0: the first)
};

ExportSource ExportSourceFor(const ConversationEntry& entry);

// What a back-end makes of one conversation before anything of it is shown
// or written; each back-end keeps its own kind. `error` is what stopped the
// making: it waits for the conversation's turn, when Commit raises it
// (RaiseError) where writing the conversation in one go would have failed.
struct PreparedConversation {
  virtual ~PreparedConversation() = default;
  void RaiseError() const {
    if (error) std::rethrow_exception(error);
  }
  std::exception_ptr error;
};

// A new prepared conversation of the back-end's kind P, filled by fill(P&);
// what fill throws becomes its error.
template <typename P, typename Fill>
std::unique_ptr<PreparedConversation> MakePrepared(Fill&& fill) {
  auto prepared = std::make_unique<P>();
  try {
    fill(*prepared);
  } catch (...) {
    prepared->error = std::current_exception();
  }
  return prepared;
}

// A back-end. Begin sees the whole list first and checks every name the
// export will write against the context's guard, so a refused export writes
// nothing. Each conversation is then prepared, on a worker thread beside the
// others, and committed on the calling thread in list order. Finish ends an
// export that was not stopped.
class ConversationWriter {
 public:
  virtual ~ConversationWriter() = default;
  virtual void Begin(const std::vector<ExportSource>& /*sources*/) {}
  // Reads and renders the conversation at `index` into a value. Runs beside
  // other Prepare and Commit calls: it only reads what Begin left, writes no
  // file, shows nothing, and throws nothing (its error waits for Commit,
  // see MakePrepared).
  virtual std::unique_ptr<PreparedConversation> Prepare(std::size_t index,
                                                        const ExportSource& source) const = 0;
  // Shows the conversation's messages, updates what the export keeps across
  // conversations and writes its files, or throws its error: what writing it
  // in one go would have done.
  virtual void Commit(std::size_t index, const ExportSource& source,
                      PreparedConversation& prepared) = 0;
  virtual void Finish() {}
};

enum class ExportFormat {
  kPage,        // the themed page of each conversation (".html")
  kTranscript,  // its transcript (".txt")
  kJson,        // one JSON file each and index.json
  kSite,        // a website of the whole list
};

// What the back-ends draw on. The page and the transcript work on the
// caller's `state` and `text_buffer` (the text buffer ends holding the last
// transcript); the JSON files and the site use neither.
struct ExportContext {
  std::string folder;
  const Theme* theme = nullptr;
  RenderSettings settings;
  RenderState* state = nullptr;
  TextItems* text_buffer = nullptr;
  std::function<std::string()> today;       // the "%today" text
  const ArchiveFileGuard* guard = nullptr;  // none: nothing is refused
  // The theme is the program's own "default": a website in it follows the
  // browser's dark mode, whose colours for that theme the site knows.
  bool default_theme = false;
  // The language of a website's own texts, as a catalogue suffix ("de",
  // "pt_BR"); English for any the site has no texts in.
  std::string language = "en";
};

std::unique_ptr<ConversationWriter> MakeConversationWriter(ExportFormat format,
                                                           const ExportContext& context);

// Writes the sources in order, preparing them on every core. `after_each`
// gets the number written so far and returns true to stop; a stopped export
// is not finished. A failure stops the export with the files written before
// it kept. True when the export was finished.
bool ExportConversations(const std::vector<ExportSource>& sources, ConversationWriter& writer,
                         const std::function<bool(std::size_t written)>& after_each);

}  // namespace orvex
