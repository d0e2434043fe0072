#include "sample_archives.h"

#include <random>

#include "ylogs/archive/archive_reader.h"
#include "ylogs/archive/codepage.h"

namespace orvex::bench {
namespace {

const char* const kWords[] = {
    "the",    "a",      "and",     "to",      "of",      "I",        "you",   "it",     "is",
    "that",   "was",    "for",     "on",      "are",     "with",     "we",    "they",   "be",
    "at",     "have",   "this",    "from",    "not",     "but",      "what",  "all",    "when",
    "there",  "can",    "your",    "about",   "how",     "up",       "out",   "then",   "time",
    "people", "made",   "over",    "water",   "long",    "little",   "very",  "after",  "words",
    "train",  "dinner", "weekend", "meeting", "holiday", "birthday", "lunch", "coffee", "café",
    "naïve",  "Zürich", "crème",   "señor",   "€5",      "déjà"};
const char* const kSmileys[] = {":)", ":(", ";)", ":D", ":P", ":-O", ":))", "B-)", ":-*", "=D>"};

std::string Message(std::mt19937& rng) {
  std::uniform_int_distribution<int> length(2, 24), word(0, std::size(kWords) - 1),
      smiley(0, std::size(kSmileys) - 1), percent(0, 99), colour(0, 9);
  using testing::Code;
  std::string text;
  const int n = length(rng);
  for (int i = 0; i < n; ++i) {
    if (i) text += ' ';
    const int p = percent(rng);
    std::string w = kWords[word(rng)];
    if (p < 4) {
      w = Code("1m") + w + Code("x1m");
    } else if (p < 7) {
      w = Code(std::string("3") + static_cast<char>('0' + colour(rng)) + "m") + w + Code("x3m");
    } else if (p < 9) {
      w = Code("#FF8000m") + w;
    } else if (p < 10) {
      w = Code("2m") + w + Code("x2m");
    }
    text += w;
    if (percent(rng) < 6) text += std::string(" ") + kSmileys[smiley(rng)];
  }
  if (percent(rng) < 15) text = "<font face=\"Arial\" size=\"10\">" + text + "</font>";
  return text;
}

}  // namespace

std::vector<testing::RecordSpec> SampleRecords(int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<testing::RecordSpec> records;
  for (int i = 0; i < count; ++i) {
    testing::RecordSpec r;
    r.time_value = testing::TimeValueFromUnixSeconds(1104537600u + 41u * static_cast<unsigned>(i));
    r.direction = static_cast<std::uint8_t>(rng() % 2);
    r.text = Message(rng);
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
