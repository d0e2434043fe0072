// The paths of the conversation list that `orvex-cli index` builds for a
// selection, in list order: what search and export walk.
#pragma once

#include <string>
#include <vector>

#include "tests/support/run_program.h"

namespace orvex::testing {

inline std::vector<std::string> ListedPaths(const std::string& cli,
                                            const std::vector<std::string>& index_args) {
  std::vector<std::string> args = {"index"};
  args.insert(args.end(), index_args.begin(), index_args.end());
  const ProgramResult r = RunProgram(cli, args);
  std::vector<std::string> paths;
  std::size_t start = 0;
  while (start < r.out.size()) {
    std::size_t end = r.out.find('\n', start);
    if (end == std::string::npos) end = r.out.size();
    const std::string line = r.out.substr(start, end - start);
    if (line.rfind("entry\t", 0) == 0) paths.push_back(line.substr(line.rfind('\t') + 1));
    start = end + 1;
  }
  return paths;
}

}  // namespace orvex::testing
