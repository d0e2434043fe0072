// Fuzzes the archive reader with the renderer: arbitrary bytes as an archive
// file, an arbitrary key and friend name, random display options, a theme
// whose templates use every placeholder.
#include <cstdlib>

#include "fuzz_input.h"
#include "ylogs/base/file_error.h"
#include "ylogs/render/renderer.h"

namespace {

class FixedFormatter : public orvex::DateTimeFormatter {
 public:
  std::string ShortDate(double t) const override { return std::to_string(static_cast<long>(t)); }
  std::string LongTime(double) const override { return "12:34:56"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::fuzz::Input in(data, size);
  const std::uint8_t flags = in.Byte();
  const std::uint8_t more = in.Byte();
  const std::string key(in.Take(in.Byte() % 24));
  const std::string friend_name(in.Take(in.Byte() % 8));
  const std::string highlight(in.Take(more & 7));

  static orvex::Theme theme = [] {
    orvex::Theme t;
    t.message1 = "\r\n<p size=\"2\">%id %datetime %date %time %shorttime: %text</p>";
    t.message2 = "\r\n<b>%id</b> <font size=\"3\">(%shorttime)</font> %text";
    return t;
  }();
  static FixedFormatter formatter;
  orvex::RenderSettings settings;
  settings.theme = (more & 0x80) ? nullptr : &theme;
  settings.options = {bool(flags & 1), bool(flags & 2),  bool(flags & 4),
                      bool(flags & 8), bool(flags & 16), bool(flags & 32)};
  if (more & 0x40) settings.highlight = highlight;
  settings.smileys = &orvex::DefaultSmileyTable();
  settings.program_folder = "/opt/orvex/";
  if (more & 0x20) settings.loose = orvex::LooseNames{key, friend_name};
  settings.formatter = &formatter;
  std::size_t message_boxes = 0;
  settings.messages = [&](const std::string&) { ++message_boxes; };
  settings.build_body = !(more & 0x10);

  // Without loose names the key comes from the path, as for a real archive.
  const std::string& file = orvex::fuzz::ScratchFile("archive");
  orvex::fuzz::WriteScratch(file, in.rest());
  orvex::RenderState state;
  try {
    const std::string body = orvex::RenderArchiveFile(file, flags & 64, settings, state);
    // Rendering again gives the same result.
    orvex::RenderState again;
    if (orvex::RenderArchiveFile(file, flags & 64, settings, again) != body ||
        again.file_transcript != state.file_transcript) {
      std::abort();
    }
  } catch (const orvex::UserError&) {
    // A cut-off file is an error the user sees; anything else would escape.
  }
  return 0;
}
