#include "error_text.h"

namespace orvex {

std::string ErrorBoxText(std::string_view text) {
  std::string out(text);
  if (!out.empty() && static_cast<unsigned char>(out.back()) > '.') out += '.';
  return out;
}

}  // namespace orvex
