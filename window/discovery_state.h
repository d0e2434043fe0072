// What the main window keeps of the profiles folder the user chose and of
// archive files opened on their own (the loose files).
#pragma once

#include <string>
#include <vector>

namespace orvex {

struct DiscoveryState {
  // The last profiles folder the user chose in this run that held profiles;
  // empty: none. Kept in the settings at close.
  std::string chosen_profiles;

  bool loose_mode = false;
  std::vector<std::string> loose_files;
  std::string loose_user_name;
  std::string loose_friend_name;
};

}  // namespace orvex
