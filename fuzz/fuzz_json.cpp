// Fuzzes the JSON export: an archive file of arbitrary bytes under names of
// arbitrary bytes (from its path or typed, as for loose files) is written as
// JSON; every file written must parse, and the conversation file must read
// back as the object the writer built.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

#include "fuzz_input.h"
#include "ylogs/base/file_error.h"
#include "ylogs/discovery/conversation_entry.h"
#include "ylogs/export/export.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/export/json_export.h"
#include "ylogs/text/utf8_text.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

void Check(bool holds) {
  if (!holds) std::abort();
}

// A name as a folder listing can give it: no separator, no zero byte.
std::string ListedName(std::string_view bytes) {
  std::string name(bytes);
  for (char& c : name) {
    if (c == '/' || c == '\0') c = '_';
  }
  return name;
}

json ParseFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Check(text.ends_with("\n"));
  return json::parse(text);  // throws, and so fails, on anything but JSON in UTF-8
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::fuzz::Input in(data, size);
  const std::uint8_t flags = in.Byte();
  orvex::ExportSource source;
  source.identity = std::string(in.Take(in.Byte() % 24));
  source.friend_name = ListedName(in.Take(in.Byte() % 24));
  source.file_name = ListedName(in.Take(in.Byte() % 40));
  if (flags & 2) source.date = static_cast<std::int32_t>(in.Byte() * 257 + in.Byte()) - 2000;
  const std::string user(in.Take(in.Byte() % 16));
  const std::string typed_friend(in.Take(in.Byte() % 16));

  // The archive sits where its path gives the key "alice" and the friend "bob".
  static const fs::path root = orvex::fuzz::ScratchFolder("json");
  static const std::string archive = [] {
    const fs::path folder = root / "in/alice/Archive/Messages/bob";
    fs::create_directories(folder);
    return (folder / "20060412-alice.dat").string();
  }();
  const fs::path out = root / "out";
  fs::remove_all(out);
  fs::create_directories(out);
  orvex::fuzz::WriteScratch(archive, in.rest());
  source.path = archive;

  orvex::RenderSettings settings;
  settings.options.format_codes = flags & 1;
  if (flags & 4) settings.loose = orvex::LooseNames{user, typed_friend};
  const orvex::ExportContext context{out.string() + "/", nullptr, settings, nullptr, nullptr, {}};
  try {
    orvex::ExportConversations(
        {source}, *orvex::MakeConversationWriter(orvex::ExportFormat::kJson, context), nullptr);
  } catch (const orvex::UserError&) {
    return 0;  // a name the file system refuses: shown to the user, nothing else
  }

  // The conversation file and index.json, nothing more.
  const std::string file =
      orvex::IndividualFileName(out.string(), source.file_name, source.friend_name, ".json");
  Check(std::distance(fs::directory_iterator(out), fs::directory_iterator()) == 2);
  const json conversation = ParseFile(file);
  Check(conversation == orvex::ConversationJson(source, settings));
  Check(conversation["identity"] == orvex::NameAsUtf8(source.identity));
  Check(conversation["friend"] == orvex::NameAsUtf8(source.friend_name));

  const json index = ParseFile(out / "index.json");
  Check(index["format"] == "orvex-archive-json" && index["version"] == 1);
  Check(index["conversations"].size() == 1);
  const json& listed = index["conversations"][0];
  Check(listed["file"] == orvex::NameAsUtf8(orvex::FileNamePart(file)));
  Check(listed["records"] == conversation["records"].size());
  Check(listed["error"] == conversation["error"] && listed["date"] == conversation["date"]);
  return 0;
}
