// Fuzzes the settings file reader and the INI reading under it.
#include "fuzz_input.h"
#include "platform/private_profile.h"
#include "ylogs/program/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orvex::ProfileDocument doc = orvex::ProfileDocument::Parse(text);
  (void)orvex::GetProfileInteger(doc, "Settings", "Favorites", 0);
  (void)orvex::ParseProfileInteger(text.substr(0, 16));
  const std::string& file = orvex::fuzz::ScratchFile("settings");
  orvex::fuzz::WriteScratch(file, text);
  const orvex::AppSettings settings = orvex::ReadSettings(file);
  // Writing what was read back into the same file must keep working.
  orvex::ProfileDocument copy = doc;
  (void)copy.SetValue("Settings", "Theme", settings.theme);
  (void)copy.Text();
  return 0;
}
