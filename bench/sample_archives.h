// Deterministic sample data for the benchmarks: messages like those of the
// large synthetic profiles (words, formatting codes, smileys, font tags, some
// non-ASCII), as records, archive bytes and converted fragments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/archive_writer.h"

namespace orvex::bench {

inline constexpr std::string_view kSampleKey = "user1";

// `count` records alternating at random between the two sides.
std::vector<testing::RecordToWrite> SampleRecords(int count, unsigned seed);

// The records scrambled into one archive file's bytes.
std::string SampleArchive(int count, unsigned seed);

// The messages after the markup conversion and UTF-8 decoding, as the strips
// and the smiley substitution receive them.
std::vector<std::string> SampleFragments(int count, unsigned seed);

// Total size in bytes of a list of texts.
std::size_t TotalSize(const std::vector<std::string>& texts);

}  // namespace orvex::bench
