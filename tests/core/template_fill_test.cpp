// The one-pass template fill must give exactly what the six replacement steps
// give, also where one step's result forms the next step's placeholder.
#include "ylogs/render/template_fill.h"

#include <gtest/gtest.h>

#include <random>

#include "ylogs/base/text_replace.h"

namespace orvex {
namespace {

std::string SixSteps(std::string t, const TemplateValues& v) {
  t = ReplaceAll(t, "%id", v.id);
  t = ReplaceAll(t, "%datetime", v.datetime);
  t = ReplaceAll(t, "%date", v.date);
  t = ReplaceAll(t, "%time", v.time);
  t = ReplaceAll(t, "%shorttime", v.shorttime);
  return ReplaceAll(t, "%text", v.text);
}

std::string Filled(const std::string& t, const TemplateValues& v) {
  std::string out, spare;
  MessageTemplate(t).Fill(v, out, spare);
  return out;
}

TEST(MessageTemplate, FillsLikeTheSixStepsInTrickyCases) {
  const TemplateValues plain{"bob", "(1/2/06 10:00)", "1/2/06", " 10:00:00", " 10:0", "hi %date"};
  const TemplateValues joining{"%", "%date", "time", "%text", "%id", "%shorttime"};
  for (const char* t :
       {"<p>%id %datetime %date %time %shorttime: %text</p>", "%%idtime", "%%date", "%da%idte",
        "no placeholders", "%", "%text%text", "%%%", "%shorttime%", "%datetimeX%dateY%timeZ", ""}) {
    EXPECT_EQ(Filled(t, plain), SixSteps(t, plain)) << t;
    EXPECT_EQ(Filled(t, joining), SixSteps(t, joining)) << t;
  }
}

TEST(MessageTemplate, FillsLikeTheSixStepsForRandomTexts) {
  std::mt19937 rng(7);
  const std::string alphabet = "%%%idatemshortx ";
  auto random_text = [&](int max) {
    std::string s;
    const int n = static_cast<int>(rng() % static_cast<unsigned>(max));
    for (int i = 0; i < n; ++i) s += alphabet[rng() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string t = random_text(24);
    const std::string id = random_text(6), dt = random_text(6), d = random_text(6),
                      tm = random_text(6), st = random_text(6), text = random_text(8);
    const TemplateValues v{id, dt, d, tm, st, text};
    ASSERT_EQ(Filled(t, v), SixSteps(t, v)) << "template '" << t << "'";
  }
}

}  // namespace
}  // namespace orvex
