// The messenger's per-identity archiving switch, kept in the registry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace orvex {

inline constexpr const char* kArchivingValue = "Enabled";

// "Software/Yahoo/Pager/profiles/<identity>/Archive".
std::string ArchivingKey(const std::string& identity);

// Whether archiving is on for the identity: "Enabled" nonzero. A missing value,
// or one that is not an integer, reads as off, and so does a registry that
// cannot be read.
bool ReadArchivingEnabled(Registry& registry, const std::string& identity);

// Flips the current identity's switch: writes 0 when the value read was
// nonzero, else 1. Gives the new state, or none (writing nothing) when there
// is no current identity. A registry that cannot be read throws RegistryError
// and is not written.
std::optional<bool> FlipArchiving(Registry& registry, const std::string& current_identity);

// How the switch button shows a state.
struct ArchivingLook {
  const char* caption;
  std::uint32_t rgb;
};
ArchivingLook ArchivingButtonLook(bool enabled);

}  // namespace orvex
