// --code-page N, taken by every subcommand: the system ANSI code page for the
// run. Without it the window's rule holds (the registry's value, else the
// system's page: the user's language on POSIX, GetACP() on Windows).
#pragma once

#include <CLI/CLI.hpp>

#include <optional>

namespace orvex::cli {

void AddCodePageOption(CLI::App& command, std::optional<int>& code_page);

// Sets the code page for the run. A registry value that names no supported
// page is reported on standard error, as the window reports it in a box.
void ApplyCodePage(const std::optional<int>& code_page);

}  // namespace orvex::cli
