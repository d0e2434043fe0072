// orvex-cli: the window's core work, without a window.
#include <clocale>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_common.h"
#include "code_page_option.h"
#include "commands.h"
#include "orvex_version.h"
#include "platform/program_environment.h"

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  // Bytes out as they are; arguments in as UTF-8 (on Windows from the UTF-16
  // command line, so any profile folder or search text comes through).
  orvex::UseByteStandardStreams();
  std::vector<std::string> arguments = orvex::ProgramArguments(argc, argv);
  // Started with a console of its own and nothing to do (a double-click in
  // the file manager): the archive's website, and the window stays open
  // until its words are read. From a command prompt the usage line stands.
  const bool double_clicked = arguments.empty() && orvex::ConsoleIsOwn();
  if (double_clicked) arguments.push_back("browse");
  std::vector<char*> utf8_argv = {argv[0]};
  for (std::string& a : arguments) utf8_argv.push_back(a.data());
  CLI::App app{"orvex-cli: read, render, index and search message archives"};
  app.set_version_flag("--version", std::string("orvex-cli ") + orvex::kVersion,
                       "show the version and exit");
  app.require_subcommand(1);
  // Options are "--name" on every system: an argument such as "/tmp/x" is a
  // path, never a Windows-style "/option".
  app.allow_windows_style_options(false);
  std::vector<orvex::cli::Command> commands = {
      orvex::cli::AddRecordsCommand(app), orvex::cli::AddRenderCommand(app),
      orvex::cli::AddIndexCommand(app),   orvex::cli::AddSearchCommand(app),
      orvex::cli::AddExportCommand(app),  orvex::cli::AddBrowseCommand(app),
  };
  std::optional<int> code_page;
  for (const auto& command : commands) orvex::cli::AddCodePageOption(*command.app, code_page);
  try {
    app.parse(static_cast<int>(utf8_argv.size()), utf8_argv.data());
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    std::cerr << "usage: orvex-cli SUBCOMMAND [options]; see orvex-cli --help\n";
    return orvex::cli::kExitUsage;
  }
  for (const auto& command : commands) {
    if (!command.app->parsed()) continue;
    orvex::cli::ApplyCodePage(code_page);
    const int status = command.run();
    if (double_clicked) {
      std::cout << "\nPress Enter to close this window." << std::flush;
      std::string line;
      std::getline(std::cin, line);
    }
    return status;
  }
  return orvex::cli::kExitUsage;
}
