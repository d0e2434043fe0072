#include "export.h"

#include <cstring>

#include "platform/file_system.h"
#include "ylogs/base/file_error.h"
#include "ylogs/base/text_replace.h"

namespace orvex {
namespace {

[[noreturn]] void CannotCreate(const std::string& path, int error) {
  throw UserError("Cannot create file \"" + path + "\". " + std::strerror(error));
}

}  // namespace

std::optional<std::string_view> ItemPiece(const TextItems& items, std::size_t count,
                                          std::size_t& position) {
  const std::size_t item = position / 2;
  if (item >= count) return std::nullopt;
  const bool line_end = position++ % 2 == 1;
  return line_end ? std::string_view("\r\n") : std::string_view(items[item]);
}

void WriteItemsToFile(const std::string& path, const TextItems& items) {
  std::size_t position = 0;
  WritePiecesToFile(path, [&] { return ItemPiece(items, items.size(), position); });
}

void WritePiecesToFile(const std::string& path, const files::NextPiece& next_piece,
                       files::Durability durability) {
  if (const int error = files::WriteFileAtomically(path, next_piece, durability); error != 0) {
    CannotCreate(path, error);
  }
}

void MakeOutputFolder(const std::string& path) {
  if (const int error = files::MakeFolders(path); error != 0) CannotCreate(path, error);
}

void WriteBytesToFile(const std::string& path, std::string_view bytes) {
  // An existing file is replaced without asking, as before.
  if (const int error = files::WriteFileAtomically(path, bytes); error != 0) {
    CannotCreate(path, error);
  }
}

std::string SaveAsFileName(std::string_view chosen, std::string_view tested,
                           std::string_view suffix) {
  std::string name(chosen);
  if (UpperCaseAscii(name).find(tested) == std::string::npos) name += suffix;
  return name;
}

std::string IndividualFileName(std::string_view folder, std::string_view file_name,
                               std::string_view friend_name, std::string_view extension, int copy) {
  std::string path(folder);
  if (path.empty() || path.back() != '/') path += '/';
  // The extension starts at the last "." after the last separator or ":".
  std::string name(file_name);
  const std::size_t dot = name.find_last_of('.');
  const std::size_t sep = name.find_last_of("/:");
  if (dot != std::string::npos && (sep == std::string::npos || dot > sep)) name.resize(dot);
  path += name;
  path += '-';
  path += friend_name;
  if (copy > 0) path += " (copy " + std::to_string(copy + 1) + ")";
  path += extension;
  return path;
}

TextItems IndividualPage(const Theme& theme, const std::string& body, std::string_view today) {
  TextItems doc;
  BeginDocument(doc, theme);
  AddConversation(doc, theme, body);
  EndDocument(doc, theme, today);
  return doc;
}

}  // namespace orvex
