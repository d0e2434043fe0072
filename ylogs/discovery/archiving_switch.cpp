#include "archiving_switch.h"
#include "ylogs/base/ui_text.h"

#include "registry_user.h"

namespace orvex {

std::string ArchivingKey(const std::string& identity) {
  return std::string(kPagerKey) + "/profiles/" + identity + "/Archive";
}

namespace {

bool Enabled(Registry& registry, const std::string& identity) {
  return registry.ReadInteger(ArchivingKey(identity), kArchivingValue).value_or(0) != 0;
}

}  // namespace

bool ReadArchivingEnabled(Registry& registry, const std::string& identity) {
  try {
    return Enabled(registry, identity);
  } catch (const RegistryError&) {
    return false;
  }
}

std::optional<bool> FlipArchiving(Registry& registry, const std::string& current_identity) {
  if (current_identity.empty()) return std::nullopt;
  const bool enabled = !Enabled(registry, current_identity);
  registry.WriteInteger(ArchivingKey(current_identity), kArchivingValue, enabled ? 1 : 0);
  return enabled;
}

ArchivingLook ArchivingButtonLook(bool enabled) {
  return enabled ? ArchivingLook{UI_TEXT("Core", "Enabled"), 0x008000}
                 : ArchivingLook{UI_TEXT("Core", "Disabled"), 0x800000};
}

}  // namespace orvex
