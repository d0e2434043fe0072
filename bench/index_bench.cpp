// The conversation index: "Show all" over a profiles folder, from its
// directory listings (one stat per file for the size).
#include <benchmark/benchmark.h>

#include "tests/support/archive_writer.h"
#include "tests/support/temp_folder.h"
#include "ylogs/discovery/conversation_index.h"
#include "ylogs/discovery/profiles_scan.h"

namespace orvex::bench {
namespace {

void BM_BuildConversationIndex(benchmark::State& state) {
  const int friends = static_cast<int>(state.range(0));
  const int days = static_cast<int>(state.range(1));
  testing::TempFolder folder;
  const std::string profiles = folder.path();
  for (int f = 0; f < friends; ++f) {
    const std::string dir = profiles + "user1/Archive/Messages/friend" + std::to_string(f) + "/";
    for (int d = 0; d < days; ++d) {
      char name[32];
      std::snprintf(name, sizeof name, "2005%02d%02d-user1.dat", d / 28 % 12 + 1, d % 28 + 1);
      testing::WriteBytes(dir + std::to_string(2005 + d / 336) + (name + 4), "x");
    }
  }
  const std::optional<ContactTreeData> data = ScanProfiles(profiles);
  if (!data) {
    state.SkipWithError("the profiles folder was not scanned");
    return;
  }
  const std::vector<NodeId> show_all = {data->tree.top_level().front()};
  const FavoritesList favorites;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildConversationIndex(profiles, *data, show_all, favorites));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * friends * days));
}
BENCHMARK(BM_BuildConversationIndex)
    ->Args({10, 100})
    ->Args({100, 100})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvex::bench
