#include "template_fill.h"

#include <cstring>

#include "ylogs/base/text_replace.h"

namespace orvex {
namespace {

// In the order the steps replace them.
constexpr std::string_view kPlaceholders[] = {"%id",   "%datetime",  "%date",
                                              "%time", "%shorttime", "%text"};

bool HasPercent(std::string_view text) {
  return std::memchr(text.data(), '%', text.size()) != nullptr;
}

}  // namespace

MessageTemplate::MessageTemplate(std::string_view text) : text_(text) {
  const std::string_view t(text_);
  std::size_t start = 0;
  for (std::size_t at = t.find('%'); at != std::string_view::npos; at = t.find('%', at)) {
    // The step that replaces an occurrence here is the first whose
    // placeholder begins here: the text is still as written when it runs
    // (no value brings a "%", and "%date" is the only placeholder that
    // begins an earlier one).
    int field = -1;
    for (int k = 0; k < 6 && field < 0; ++k) {
      if (t.substr(at).starts_with(kPlaceholders[k])) field = k;
    }
    if (field < 0) return;  // a "%" that begins none: only the steps will do
    // "%date" right before "%id" could become "%datetime" once "%id" is
    // filled (with a name beginning "time"): only the steps will do then.
    if (field == kId && at == start && !pieces_.empty() && pieces_.back().field == kDate) return;
    pieces_.push_back({t.substr(start, at - start), static_cast<Field>(field)});
    at += kPlaceholders[field].size();
    start = at;
  }
  tail_ = t.substr(start);
  one_pass_ = true;
}

void MessageTemplate::Fill(const TemplateValues& v, std::string& out, std::string& spare) const {
  const std::string_view values[] = {v.id, v.datetime, v.date, v.time, v.shorttime, v.text};
  bool one_pass = one_pass_;
  for (std::string_view value : values) one_pass = one_pass && !HasPercent(value);
  if (one_pass) {
    out.clear();
    for (const Piece& piece : pieces_) {
      out.append(piece.literal);
      out.append(values[piece.field]);
    }
    out.append(tail_);
    return;
  }
  out.assign(text_);
  for (int k = 0; k < 6; ++k) ReplaceAllInPlace(out, kPlaceholders[k], values[k], spare);
}

}  // namespace orvex
