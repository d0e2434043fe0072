#include "code_page_option.h"

#include "cli_common.h"
#include "platform/program_environment.h"
#include "platform/system_code_page.h"
#include "ylogs/text/codepage.h"

namespace orvex::cli {

void AddCodePageOption(CLI::App& command, std::optional<int>& code_page) {
  command
      .add_option("--code-page", code_page,
                  "the system ANSI code page: 874, 1250 to 1258, 65001 (UTF-8) "
                  "[the registry's ACP, else the language's]")
      ->check([](const std::string& text) -> std::string {
        int number = 0;
        try {
          std::size_t used = 0;
          number = std::stoi(text, &used);
          if (used != text.size()) number = 0;
        } catch (const std::exception&) {
          number = 0;
        }
        return IsSupportedCodePage(number) ? "" : "unsupported code page " + text;
      });
}

void ApplyCodePage(const std::optional<int>& code_page) {
  if (code_page) {
    SetSystemCodePage(*code_page);
    return;
  }
  const auto registry = OpenUserRegistry();
  const CodePageChoice choice =
      ChooseSystemCodePage(registry.get(), LanguageEnvironment::FromProcess());
  SetSystemCodePage(choice.code_page);
  if (!choice.unsupported_value.empty()) ReportMessage(UnsupportedCodePageText(choice));
}

}  // namespace orvex::cli
