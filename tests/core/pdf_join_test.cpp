#include "ylogs/export/pdf_join.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "tests/support/run_program.h"

namespace orvex {
namespace {

// A document as a browser might write one: each page draws its word; the
// pages hang under two nodes, which give the size and the font they
// inherit. A content stream holds bytes that look like the end of an
// object, so that only its /Length tells where it ends.
std::string MakePdf(const std::vector<std::string>& words) {
  std::vector<std::string> objects = {
      "<</Type /Catalog /Pages 2 0 R /Outlines 9999 0 R>>",
      "<</Type /Pages /Kids [5 0 R 6 0 R] /Count " + std::to_string(words.size()) + ">>",
      "<</Type /Font /Subtype /Type1 /BaseFont /Helvetica>>",
      "<</Producer (a test \\) of strings (nested))>>",
      "",
      ""};
  std::string kids[2];
  std::size_t counts[2] = {0, 0};
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string content =
        "BT /F1 24 Tf 20 200 Td (" + words[i] + ") Tj ET\n% endstream endobj 1 0 R )\xff\n";
    objects.push_back("<</Length " + std::to_string(content.size()) + ">>\nstream\n" + content +
                      "\nendstream");
    const std::size_t content_number = objects.size();
    const std::size_t node = i < words.size() / 2 ? 0 : 1;
    const std::string self = std::to_string(objects.size() + 1) + " 0 R";
    objects.push_back("<</Type /Page /Parent " + std::to_string(5 + node) + " 0 R /Contents " +
                      std::to_string(content_number) +
                      " 0 R /Annots [<</Subtype /Link /Rect [0 0 9 9] /Dest [" + self +
                      " /Fit]>>]>>");
    kids[node] += std::to_string(objects.size()) + " 0 R ";
    ++counts[node];
  }
  for (std::size_t node = 0; node < 2; ++node) {
    objects[4 + node] = "<</Type /Pages /Parent 2 0 R /Kids [" + kids[node] + "] /Count " +
                        std::to_string(counts[node]) +
                        " /MediaBox [0 0 300 400] /Resources <</Font <</F1 3 0 R>>>>>>";
  }
  std::string pdf = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  for (std::size_t n = 0; n < objects.size(); ++n) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(n + 1) + " 0 obj\n" + objects[n] + "\nendobj\n";
  }
  const std::size_t xref = pdf.size();
  // Two sections of the table, as an updated document has.
  pdf += "xref\n0 1\n0000000000 65535 f \n1 " + std::to_string(objects.size()) + "\n";
  char entry[24];
  for (std::size_t offset : offsets) {
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    pdf += entry;
  }
  pdf += "trailer\n<</Size " + std::to_string(objects.size() + 1) +
         " /Root 1 0 R /Info 4 0 R>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

TEST(PdfJoin, JoinsTheKeptPagesInOrderIntoADocumentAReaderReads) {
  const std::string first = MakePdf({"one", "two", "three"});
  const std::string second = MakePdf({"four", "five"});
  const std::string cross_reference_stream =
      "%PDF-1.5\n1 0 obj\n<</Type /XRef>>\nendobj\nstartxref\n9\n%%EOF\n";
  struct Case {
    std::vector<std::string> documents;
    std::set<std::size_t> kept;  // none: all
    std::string text;
    int pages;
  };
  const std::vector<Case> cases = {
      {{first, second}, {}, "one\n\ftwo\n\fthree\n\ffour\n\ffive\n\f", 5},
      {{first, second}, {2, 4}, "two\n\ffour\n\f", 2},
      // No page is no document.
      {{first}, {9}, "", 0},
      // Not understood, a document is left out whole.
      {{"%PDF-1.4 no table", first, cross_reference_stream, first.substr(0, 200), second},
       {},
       "one\n\ftwo\n\fthree\n\ffour\n\ffive\n\f",
       5},
  };
  const auto file = std::filesystem::temp_directory_path() / "orvex_pdf_join_test.pdf";
  for (const Case& c : cases) {
    std::string joined;
    PdfJoiner joiner(joined);
    std::size_t understood = 0;
    for (const std::string& document : c.documents)
      understood += joiner.Add(
          document, [&](std::size_t page) { return c.kept.empty() || c.kept.count(page) > 0; });
    EXPECT_EQ(joiner.Finish(), c.pages > 0);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << joined;
    EXPECT_EQ(understood, 2u - (c.documents.size() == 1));
    EXPECT_EQ(joiner.pages_kept(), static_cast<std::size_t>(c.pages));
    if (c.pages == 0) continue;

    const testing::ProgramResult text =
        testing::RunProgram("/usr/bin/pdftotext", {"-raw", file.string(), "-"});
    ASSERT_EQ(text.status, 0) << "pdftotext (poppler-utils) is needed: " << text.err;
    EXPECT_EQ(text.out, c.text);
    const testing::ProgramResult info = testing::RunProgram("/usr/bin/pdfinfo", {file.string()});
    EXPECT_EQ(info.err, "");  // no syntax error or warning
    EXPECT_NE(info.out.find("Pages:           " + std::to_string(c.pages) + "\n"),
              std::string::npos)
        << info.out;
    // Inherited from the nodes left out.
    EXPECT_NE(info.out.find("Page size:       300 x 400 pts"), std::string::npos) << info.out;
  }
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace orvex
