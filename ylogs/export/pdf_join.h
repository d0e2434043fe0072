// Joins PDF documents into one, their pages in order. A whole history prints
// in parts (a browser renderer cannot lay out hundreds of thousands of
// messages at once), and the parts become the one file the user asked for.
// It reads what a browser writes: a classic cross-reference table, no
// object streams; a document it does not understand is refused, not guessed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

class PdfJoiner {
 public:
  // Writes the joined document into `out` as the documents come.
  explicit PdfJoiner(std::string& out);

  // Adds the pages of `pdf` for which `keep(n)` holds, n counting the pages
  // of every document added so far from 1, and what they use (fonts,
  // pictures, links); the rest of the document (its outline, structure) is
  // left out. False, with nothing of it written, when `pdf` is not
  // understood.
  bool Add(std::string_view pdf, const std::function<bool(std::size_t)>& keep);
  // Writes the page tree, the catalogue, the cross-reference table and the
  // trailer; whether the document holds a page (no page is no document).
  bool Finish();

  // Pages read, and pages kept, so far.
  std::size_t pages_read() const { return pages_read_; }
  std::size_t pages_kept() const { return pages_kept_; }

 private:
  std::uint32_t NewObject();  // the next object number, not written yet

  std::string& out_;
  bool started_ = false;
  std::vector<std::uint64_t> offsets_;     // [n]: where object n starts; 0: not written
  std::vector<std::uint32_t> part_nodes_;  // one page-tree node per document with pages kept
  std::uint32_t info_ = 0;                 // the first document's information, copied
  std::size_t pages_read_ = 0;
  std::size_t pages_kept_ = 0;
};

}  // namespace orvex
