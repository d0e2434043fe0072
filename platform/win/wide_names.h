// File names and other system texts between the UTF-16 of the Windows API
// and the program's 8-bit texts.
//
// The file-name rule (README, "Windows"):
// - a name becomes its UTF-8; an unpaired surrogate (a name that is no valid
//   UTF-16) becomes its three-byte form, as WTF-8 writes it;
// - bytes become UTF-16 the other way round; a byte that is no part of such a
//   sequence (a name the program cut or made from code-page text) becomes
//   the code unit U+DC00 + the byte, which turns back into that byte;
// - a "\" in a path the system gives becomes "/" (Windows takes either, and
//   no name holds one).
// So every listed file can be opened by the name the program holds, and every
// name the program writes is listed back as the same bytes.
#pragma once

#include <string>
#include <string_view>

namespace orvex::win {

// Bytes to UTF-16 by the rule above.
std::wstring WideFromBytes(std::string_view bytes);

// UTF-16 to bytes by the rule above ("\" stays).
std::string BytesFromWide(std::wstring_view wide);

// A path the system gives (a folder, a module, an argument naming a file):
// its bytes with every "\" written as "/".
std::string PathFromWide(std::wstring_view wide);

// A path in the program's bytes as the system's wide API takes it.
inline std::wstring WidePath(std::string_view path) {
  return WideFromBytes(path);
}

// The error number (errno) a system error code stands for.
int ErrnoFromSystemError(unsigned long error);

}  // namespace orvex::win
