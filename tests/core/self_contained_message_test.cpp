// A message's HTML made to stand on its own: the messenger's formatting
// kept and balanced, everything else shown as text, colours readable.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ylogs/base/text_replace.h"
#include "ylogs/render/readable_colour.h"
#include "ylogs/render/self_contained_message.h"

namespace orvex {
namespace {

using namespace std::string_literals;

std::string Contained(std::string_view html, const std::vector<SmileyEntry>* smileys = nullptr) {
  std::string out;
  AppendSelfContainedMessage(html, {smileys, "S/"}, out);
  return out;
}

TEST(SelfContainedMessage, KeepsFormattingBalancedAndShowsEveryOtherTagAsText) {
  const std::vector<SmileyEntry> smileys = {
      {":-)", "01.gif"}, {":)", "01.gif"}, {":\">", "08.gif"}};
  const std::string navy_dark = MakeReadable("#000080")->on_dark;
  struct Case {
    std::string html, expected;
  } cases[] = {
      {"<b>bold", "<b>bold</b>"},
      {"<b><i>x</b>y</i>z", "<b><i>x</i></b><i>y</i>z"},
      {"</b>x</font>", "x"},
      {"a</div></body><plaintext>b", "a&lt;/div&gt;&lt;/body&gt;&lt;plaintext&gt;b"},
      {"<textarea>x", "&lt;textarea&gt;x"},
      {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
      {"<img src=x onerror=\"alert(1)\">", "&lt;img src=x onerror=&quot;alert(1)&quot;&gt;"},
      {"<b title=\"x>y\" onclick=go()>z", "<b>z</b>"},
      {"<font color=\"red>never closed", "&lt;font color=&quot;red&gt;never closed"},
      {"<font color=\"#000080\" face='A\"rial' size=\"10\" color=\"red\">x",
       "<font face=\"A&quot;rial\" color=\"#000080\" style=\"font-size:10; --dark:" + navy_dark +
           "\">x</font>"},
      {"<font color=\"url(x)\" size=\"1em\">x", "<font>x</font>"},
      {"<!-- gone -->x<!-->y<!-- open", "xy&lt;!-- open"},
      {"a\0b<b\0>c"s, "ab&lt;b&gt;c"},
      {"x & y &amp; &#65; &#x4A; &bogus &#;", "x &amp; y &amp; &#65; &#x4A; &amp;bogus &amp;#;"},
      {"<FADE #ff0000,#00ff00><ALT #00ff00>x</ALT></FADE>", "x"},
      {"<br/>a<BR>b</br>", "<br>a<br>b"},
      {"<B>x</B> < 3 > 2 <1", "<b>x</b> &lt; 3 &gt; 2 &lt;1"},
      {":) <b>:-)</b> :\"> :<b>)</b>",
       "<img src=\"S/01.gif\" alt=\":)\"> <b><img src=\"S/01.gif\" alt=\":-)\"></b> "
       "<img src=\"S/08.gif\" alt=\":&quot;&gt;\"> :<b>)</b>"},
  };
  for (const Case& c : cases) EXPECT_EQ(Contained(c.html, &smileys), c.expected) << c.html;
  // Nesting deeper than the program keeps is dropped, and what it keeps is closed.
  std::string deep, kept, closed;
  for (int k = 0; k < 200; ++k) deep += "<i>";
  for (int k = 0; k < 64; ++k) kept += "<i>", closed += "</i>";
  EXPECT_EQ(Contained(deep + "x"), kept + "x" + closed);
}

// Contrast as the accessibility rule defines it, computed here on its own.
double Contrast(const std::string& a, const std::string& b) {
  const auto luminance = [](const std::string& hex) {
    double l = 0;
    for (int k = 0; k < 3; ++k) {
      const double v = std::stoi(hex.substr(1 + 2 * k, 2), nullptr, 16) / 255.0;
      l += (k == 0   ? 0.2126
            : k == 1 ? 0.7152
                     : 0.0722) *
           (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return l + 0.05;
  };
  return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

TEST(ReadableColour, ReachesTheContrastOnLightAndDarkPagesAndKeepsWhatReadsAlready) {
  for (const char* colour : {"#FF8000", "#ff0000", "FF0080", "#808080", "#ffff00", "#fff",
                             "#000000", "#0000FF", "#00ff00", "yellow", "Navy", "#2a62b0"}) {
    const auto readable = MakeReadable(colour);
    ASSERT_TRUE(readable) << colour;
    for (const char* light : {"#ffffff", "#fafbfc", "#f4f8fd"}) {
      EXPECT_GE(Contrast(readable->on_light, light), 4.5) << colour << " on " << light;
    }
    for (const char* dark : {"#1c1f24", "#23272e", "#353a43", "#2e4a6e"}) {
      EXPECT_GE(Contrast(readable->on_dark, dark), 4.5) << colour << " on " << dark;
    }
  }
  EXPECT_EQ(MakeReadable("#0000FF")->on_light, "#0000ff");
  EXPECT_EQ(MakeReadable("#FFFFFF")->on_dark, "#ffffff");
  for (const char* bad : {"", "#12345", "#ggg000", "url(x)", "rgb(1,2,3)"}) {
    EXPECT_FALSE(MakeReadable(bad)) << bad;
  }
}

}  // namespace
}  // namespace orvex
