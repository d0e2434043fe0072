// Messages of a realistic shape for benchmarks and large synthetic archives:
// words of several lengths, formatting codes, font tags, smileys and some
// non-ASCII letters. The same random generator state gives the same text.
#pragma once

#include <random>
#include <string>

namespace orvex::testing {

std::string SyntheticMessage(std::mt19937& rng);

}  // namespace orvex::testing
