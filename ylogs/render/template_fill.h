// Filling a message template: "%id", "%datetime", "%date", "%time",
// "%shorttime" and "%text", each replaced everywhere in that order, each step
// working on the result of the one before.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvex {

struct TemplateValues {
  std::string_view id, datetime, date, time, shorttime, text;
};

class MessageTemplate {
 public:
  explicit MessageTemplate(std::string_view text);

  // Writes the filled template into `out`; `spare` lends storage.
  void Fill(const TemplateValues& values, std::string& out, std::string& spare) const;

 private:
  enum Field { kId, kDateTime, kDate, kTime, kShortTime, kText };
  struct Piece {
    std::string_view literal;  // the template text before the field
    Field field;
  };

  std::string text_;
  // The template cut at its placeholders, when every "%" in it begins one;
  // then, as long as no value holds a "%", no step can make a placeholder
  // out of the pieces the steps before put together, and one pass gives what
  // the six steps give.
  bool one_pass_ = false;
  std::vector<Piece> pieces_;
  std::string_view tail_;
};

}  // namespace orvex
