// The subcommands of orvex-cli. Each adds itself to the app and hands back
// what runs it once the arguments are parsed.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>

namespace orvex::cli {

struct Command {
  CLI::App* app = nullptr;
  std::function<int()> run;
};

Command AddRecordsCommand(CLI::App& app);
Command AddRenderCommand(CLI::App& app);
Command AddIndexCommand(CLI::App& app);
Command AddSearchCommand(CLI::App& app);
Command AddExportCommand(CLI::App& app);
Command AddBrowseCommand(CLI::App& app);

}  // namespace orvex::cli
