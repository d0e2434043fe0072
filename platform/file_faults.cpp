#include "file_faults.h"

#include <array>
#include <atomic>

namespace orvex::files {
namespace {

std::array<std::atomic<int>, kFileCallKinds> calls{};
std::atomic<bool> planned{false};
FaultPlan plan;

}  // namespace

void SetFaultPlan(std::optional<FaultPlan> new_plan) {
  planned = false;
  for (auto& count : calls) count = 0;
  if (new_plan) {
    plan = *new_plan;
    planned = true;
  }
}

int CallsMade(FileCall call) {
  return calls[static_cast<int>(call)];
}

int InjectedFault(FileCall call) {
  const int made = ++calls[static_cast<int>(call)];
  return planned && plan.call == call && plan.nth == made ? plan.error : 0;
}

}  // namespace orvex::files
