#include "synthetic_messages.h"

#include <iterator>

#include "archive_writer.h"

namespace orvex::testing {
namespace {

const char* const kWords[] = {
    "the",    "a",       "and",      "to",    "of",     "I",       "you",      "it",      "is",
    "that",   "was",     "for",      "on",    "are",    "with",    "we",       "they",    "be",
    "at",     "have",    "this",     "from",  "not",    "but",     "what",     "all",     "were",
    "when",   "there",   "can",      "an",    "your",   "which",   "their",    "said",    "if",
    "do",     "will",    "each",     "about", "how",    "up",      "out",      "them",    "then",
    "she",    "many",    "some",     "so",    "these",  "would",   "other",    "into",    "has",
    "more",   "her",     "two",      "like",  "him",    "see",     "time",     "could",   "no",
    "make",   "than",    "first",    "been",  "its",    "who",     "now",      "people",  "my",
    "made",   "over",    "did",      "down",  "only",   "way",     "find",     "use",     "may",
    "water",  "long",    "little",   "very",  "after",  "words",   "called",   "just",    "where",
    "most",   "know",    "flat",     "train", "dinner", "weekend", "tomorrow", "meeting", "holiday",
    "photos", "concert", "birthday", "lunch", "coffee", "café",    "naïve",    "Zürich",  "crème",
    "señor",  "Grüße",   "€5",       "déjà"};
const char* const kSmileys[] = {":)", ":(", ";)", ":D", ":P", ":-O", ":))", "B-)", ":-*", "=D>"};

}  // namespace

std::string SyntheticMessage(std::mt19937& rng) {
  std::uniform_int_distribution<int> length(2, 24), word(0, std::size(kWords) - 1),
      smiley(0, std::size(kSmileys) - 1), percent(0, 99), colour(0, 9);
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

}  // namespace orvex::testing
