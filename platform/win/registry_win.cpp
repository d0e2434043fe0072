#include "registry_win.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/private_profile.h"
#include "wide_names.h"

namespace orvex {
namespace {

std::wstring KeyPath(std::string key) {
  while (!key.empty() && key.back() == '/') key.pop_back();
  for (char& c : key) {
    if (c == '/') c = '\\';
  }
  return win::WideFromBytes(key);
}

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

std::optional<RawValue> ReadRaw(const std::string& key, const std::string& value_name) {
  HKEY h = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(key).c_str(), 0, KEY_QUERY_VALUE, &h) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  const std::wstring name = win::WideFromBytes(value_name);
  RawValue value;
  LSTATUS status = ERROR_MORE_DATA;
  for (int attempt = 0; attempt < 4 && status == ERROR_MORE_DATA; ++attempt) {
    DWORD size = static_cast<DWORD>(value.data.size());
    status = ::RegQueryValueExW(h, name.c_str(), nullptr, &value.type,
                                value.data.empty() ? nullptr : value.data.data(), &size);
    if (status == ERROR_SUCCESS && value.data.empty() && size > 0) {
      status = ERROR_MORE_DATA;  // the size alone was asked for
    }
    if (status == ERROR_MORE_DATA) {
      value.data.resize(size + sizeof(wchar_t));
    } else if (status == ERROR_SUCCESS) {
      value.data.resize(size);
    }
  }
  ::RegCloseKey(h);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return value;
}

std::optional<std::string> TextOf(const RawValue& value) {
  if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) {
    std::wstring text(value.data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), value.data.data(), text.size() * sizeof(wchar_t));
    const auto end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return win::BytesFromWide(text);
  }
  if (value.type == REG_DWORD && value.data.size() >= sizeof(DWORD)) {
    DWORD number = 0;
    std::memcpy(&number, value.data.data(), sizeof number);
    return std::to_string(number);
  }
  return std::nullopt;
}

}  // namespace

std::string WindowsRegistry::ReadString(const std::string& key, const std::string& value_name) {
  const auto value = ReadRaw(key, value_name);
  if (!value) return {};
  return TextOf(*value).value_or(std::string());
}

std::optional<std::int32_t> WindowsRegistry::ReadInteger(const std::string& key,
                                                         const std::string& value_name) {
  const auto value = ReadRaw(key, value_name);
  if (!value) return std::nullopt;
  if (value->type == REG_DWORD && value->data.size() >= sizeof(DWORD)) {
    std::int32_t number = 0;
    std::memcpy(&number, value->data.data(), sizeof number);
    return number;
  }
  const auto text = TextOf(*value);
  if (!text) return std::nullopt;
  return ParseProfileInteger(*text);
}

void WindowsRegistry::WriteInteger(const std::string& key, const std::string& value_name,
                                   std::int32_t value) {
  HKEY h = nullptr;
  const std::wstring path = KeyPath(key);
  LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &h, nullptr);
  if (status == ERROR_SUCCESS) {
    const DWORD data = static_cast<DWORD>(value);
    status = ::RegSetValueExW(h, win::WideFromBytes(value_name).c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&data), sizeof data);
    ::RegCloseKey(h);
  }
  if (status != ERROR_SUCCESS) {
    throw RegistryError("Unable to write to HKEY_CURRENT_USER\\" + win::BytesFromWide(path));
  }
}

}  // namespace orvex
