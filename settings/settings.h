// Settings accessors: every option is read and written through one path
// string "SOFTWARE\Zelomat\...". The path is cut at its last backslash into the
// key and the value name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings_backend.h"

namespace zelo {

// The program-wide store. Until a store is installed it is an in-memory one.
SettingsBackend& Settings();
// Installs the program-wide store; nullptr goes back to the built-in memory store.
void UseSettings(SettingsBackend* store);

// Formats a path printf-style, cut to 259 characters. A pattern of 1023
// characters or more is used as it stands.
std::string SettingPath(const char* pattern, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Size in bytes of the stored value, 0 when the key or value does not exist.
std::size_t SettingSize(std::string_view path, SettingsRoot root = SettingsRoot::CurrentUser);
inline bool SettingExists(std::string_view path, SettingsRoot root = SettingsRoot::CurrentUser) {
  return SettingSize(path, root) > 0;
}

// Reads a number or text setting. A DWORD gives its number (text: its signed
// decimal form); a string gives the number of its leading digits (text: the
// string cut to max_len characters; a multi-string's separators become CR LF);
// a binary value gives the length a copy of at most max_len bytes would have.
// Missing key or value: 0 and an empty text.
int32_t ReadSetting(std::string_view path, std::string* text = nullptr, std::size_t max_len = 1023,
                    SettingsRoot root = SettingsRoot::CurrentUser);
inline std::string ReadSettingText(std::string_view path, std::size_t max_len = 1023,
                                   SettingsRoot root = SettingsRoot::CurrentUser) {
  std::string t;
  ReadSetting(path, &t, max_len, root);
  return t;
}
// Copies a binary value, at most max_len bytes; returns the copied length. A
// DWORD gives its four bytes (low byte first), a string its characters.
std::size_t ReadSettingBinary(std::string_view path, std::string* bytes, std::size_t max_len,
                              SettingsRoot root = SettingsRoot::CurrentUser);

// A text is stored as a string value, or as an expandable string when it holds "%".
bool WriteSetting(std::string_view path, std::string_view text, SettingsRoot root = SettingsRoot::CurrentUser);
bool WriteSettingNumber(std::string_view path, uint32_t number, SettingsRoot root = SettingsRoot::CurrentUser);
bool WriteSettingBinary(std::string_view path, std::string_view bytes, SettingsRoot root = SettingsRoot::CurrentUser);
// Removes the value the path names, or, when there is no such value, the key
// with everything below it. A path ending in a backslash names the key.
bool DeleteSetting(std::string_view path, SettingsRoot root = SettingsRoot::CurrentUser);

}  // namespace zelo
