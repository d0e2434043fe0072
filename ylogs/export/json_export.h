// Conversations as JSON files: one per conversation, named as the batch
// export names its files but ending in ".json", and index.json listing them.
// The texts go from the archive's UTF-8 to JSON's UTF-8 directly, so nothing
// depends on the code page. The format is described in docs/json-export.md.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "export_writer.h"

namespace orvex {

// Local date and time of a Unix time with the local offset:
// "YYYY-MM-DDTHH:MM:SS+HH:MM".
std::string LocalIsoTime(std::int64_t unix_seconds);

// The Unix time an archive record holds (the stored value less 6 x 2^32).
std::int64_t UnixSecondsOfStoredTime(std::uint64_t stored);

// One conversation as the object its file holds. Reading errors are part of
// it ("error"); the records read before an error are kept.
nlohmann::ordered_json ConversationJson(const ExportSource& source, const RenderSettings& settings);

class JsonWriter : public ConversationWriter {
 public:
  JsonWriter(std::string folder, RenderSettings settings, const ArchiveFileGuard* guard = nullptr)
      : folder_(std::move(folder)), settings_(std::move(settings)), guard_(guard) {}
  void Begin(const std::vector<ExportSource>& sources) override;
  std::unique_ptr<PreparedConversation> Prepare(std::size_t index,
                                                const ExportSource& source) const override;
  void Commit(std::size_t index, const ExportSource& source,
              PreparedConversation& prepared) override;
  void Finish() override;

 private:
  struct Prepared;
  std::string FileOf(const ExportSource& source) const;
  std::string IndexFile() const;

  std::string folder_;
  RenderSettings settings_;
  const ArchiveFileGuard* guard_;
  nlohmann::ordered_json index_ = nlohmann::ordered_json::array();
};

}  // namespace orvex
