#include "export_writer.h"

#include <exception>

#include "export.h"
#include "json_export.h"
#include "site_export.h"
#include "ylogs/base/ordered_work.h"
#include "ylogs/discovery/conversation_entry.h"
#include "ylogs/render/rendered_file.h"

namespace orvex {
namespace {

// The batch export's files: the page or the transcript of each conversation.
class IndividualFileWriter : public ConversationWriter {
 public:
  IndividualFileWriter(const ExportContext& context, bool page) : c_(context), page_(page) {}

  void Begin(const std::vector<ExportSource>& sources) override {
    if (!c_.guard) return;
    std::vector<std::string> names;
    for (const ExportSource& source : sources) names.push_back(NameOf(source));
    c_.guard->CheckTargets(names);
  }

  std::unique_ptr<PreparedConversation> Prepare(std::size_t /*index*/,
                                                const ExportSource& source) const override {
    auto prepared = std::make_unique<Prepared>();
    prepared->file = RenderOnItsOwn(source.path, false, c_.settings);
    return prepared;
  }

  void Commit(std::size_t /*index*/, const ExportSource& source,
              PreparedConversation& prepared) override {
    RenderedFile& file = static_cast<Prepared&>(prepared).file;
    c_.text_buffer->clear();
    TakeRenderedFile(file, c_.settings, *c_.state);
    if (file.error) std::rethrow_exception(file.error);
    const TextItems doc =
        IndividualPage(*c_.theme, file.body, c_.today ? c_.today() : std::string());
    c_.text_buffer->push_back(c_.state->file_transcript);
    WriteItemsToFile(NameOf(source), page_ ? doc : *c_.text_buffer);
  }

 private:
  struct Prepared : PreparedConversation {
    RenderedFile file;
  };

  std::string NameOf(const ExportSource& source) const {
    return IndividualFileName(c_.folder, source.file_name, source.friend_name,
                              page_ ? ".html" : ".txt", source.copy);
  }

  ExportContext c_;
  bool page_;
};

}  // namespace

ExportSource ExportSourceFor(const ConversationEntry& entry) {
  return {entry.path, entry.file_name, entry.friend_name, entry.identity,
          entry.date, entry.size,      entry.copy};
}

std::unique_ptr<ConversationWriter> MakeConversationWriter(ExportFormat format,
                                                           const ExportContext& context) {
  switch (format) {
    case ExportFormat::kPage:
      return std::make_unique<IndividualFileWriter>(context, true);
    case ExportFormat::kTranscript:
      return std::make_unique<IndividualFileWriter>(context, false);
    case ExportFormat::kJson:
      return std::make_unique<JsonWriter>(context.folder, context.settings, context.guard);
    case ExportFormat::kSite:
      return std::make_unique<SiteWriter>(context);
  }
  return nullptr;
}

bool ExportConversations(const std::vector<ExportSource>& sources, ConversationWriter& writer,
                         const std::function<bool(std::size_t written)>& after_each) {
  writer.Begin(sources);
  // Prepared side by side, committed in order: files, messages and the first
  // error come as writing one conversation after another would give them,
  // and a stop leaves nothing of a later conversation written.
  bool stopped = false;
  ProduceInOrder<std::unique_ptr<PreparedConversation>>(
      sources.size(), [&](std::size_t i) { return writer.Prepare(i, sources[i]); },
      [&](std::size_t i, std::unique_ptr<PreparedConversation>& prepared) {
        writer.Commit(i, sources[i], *prepared);
        stopped = after_each && after_each(i + 1);
        return stopped;
      });
  if (stopped) return false;
  writer.Finish();
  return true;
}

}  // namespace orvex
