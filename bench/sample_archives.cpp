#include "sample_archives.h"

#include <random>

#include "tests/support/synthetic_messages.h"

#include "ylogs/archive/archive_reader.h"
#include "ylogs/text/codepage.h"

namespace orvex::bench {

std::vector<testing::RecordToWrite> SampleRecords(int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<testing::RecordToWrite> records;
  for (int i = 0; i < count; ++i) {
    testing::RecordToWrite r;
    r.time_value = testing::TimeValueFromUnixSeconds(1104537600u + 41u * static_cast<unsigned>(i));
    r.direction = static_cast<std::uint8_t>(rng() % 2);
    r.text = testing::SyntheticMessage(rng);
    records.push_back(std::move(r));
  }
  return records;
}

std::string SampleArchive(int count, unsigned seed) {
  return testing::EncodeArchive(SampleRecords(count, seed), kSampleKey);
}

std::vector<std::string> SampleFragments(int count, unsigned seed) {
  std::vector<std::string> fragments;
  const std::string archive = SampleArchive(count, seed);
  ReadArchiveRecords(archive, "sample.dat", kSampleKey, true, nullptr,
                     [&](DecodedRecord& r) { fragments.push_back(DecodeArchiveUtf8(r.fragment)); });
  return fragments;
}

std::size_t TotalSize(const std::vector<std::string>& texts) {
  std::size_t size = 0;
  for (const std::string& t : texts) size += t.size();
  return size;
}

}  // namespace orvex::bench
