#include "ui/options/update_check.h"

#include <cctype>

#include "base/text.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {

namespace {

constexpr int64_t kSecondsPerDay = 24 * 60 * 60;
constexpr std::size_t kVersionDigits = 5;
// More digits than any version has; keeps the number far from overflow.
constexpr std::size_t kMaxVersionDigits = 15;
constexpr std::size_t kCheckTimeBytes = 16;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

int64_t VersionNumber(std::string_view version) {
  const std::size_t cut = version.find(".0");
  if (cut != std::string_view::npos) version = version.substr(0, cut);
  std::string digits;
  for (char c : version)
    if (IsDigit(c) && digits.size() < kMaxVersionDigits) digits += c;
  if (digits.size() < kVersionDigits) digits.append(kVersionDigits - digits.size(), '0');
  int64_t n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

std::string PublishedVersion(std::string_view version_file) {
  std::string_view v = version_file.substr(0, version_file.find('|'));
  while (!v.empty() && std::isspace(static_cast<unsigned char>(v.front()))) v.remove_prefix(1);
  while (!v.empty() && std::isspace(static_cast<unsigned char>(v.back()))) v.remove_suffix(1);
  if (v.empty() || !IsDigit(v.front())) return std::string();
  return std::string(v);
}

UpdateOutcome JudgeVersionFile(bool fetched, std::string_view version_file, std::string_view running_version) {
  const std::string published = fetched ? PublishedVersion(version_file) : std::string();
  if (published.empty()) return UpdateOutcome::Failed;
  return VersionNumber(published) > VersionNumber(running_version) ? UpdateOutcome::Available
                                                                   : UpdateOutcome::Current;
}

bool UpdateCheckDue(int auto_update, const CivilTime* last_check, const CivilTime& now) {
  int64_t interval = 0;
  if (auto_update == 1) interval = kSecondsPerDay;
  else if (auto_update == 2) interval = 7 * kSecondsPerDay;
  else return false;
  if (!last_check) return true;
  const int64_t elapsed = SecondsFromCivilTime(now) - SecondsFromCivilTime(*last_check);
  return elapsed < 0 || elapsed >= interval;
}

std::string EncodeCheckTime(const CivilTime& time) {
  const int fields[8] = {time.year, time.month, time.weekday, time.day, time.hour, time.minute, time.second, 0};
  std::string bytes;
  for (int f : fields) {
    bytes += static_cast<char>(f & 0xFF);
    bytes += static_cast<char>((f >> 8) & 0xFF);
  }
  return bytes;
}

bool DecodeCheckTime(std::string_view bytes, CivilTime* time) {
  if (bytes.size() < kCheckTimeBytes) return false;
  int f[8];
  for (int i = 0; i < 8; ++i)
    f[i] = static_cast<unsigned char>(bytes[2 * i]) | (static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  // A value that is no date at all counts as no check.
  if (f[1] < 1 || f[1] > 12 || f[3] < 1 || f[3] > 31 || f[4] > 23 || f[5] > 59 || f[6] > 60) return false;
  time->year = f[0];
  time->month = f[1];
  time->weekday = f[2];
  time->day = f[3];
  time->hour = f[4];
  time->minute = f[5];
  time->second = f[6];
  return true;
}

void StoreLastUpdateCheck(const CivilTime& now) { WriteSettingBinary(setting::kAutoUpdateLastCheck, EncodeCheckTime(now)); }

bool ReadLastUpdateCheck(CivilTime* time) {
  std::string bytes;
  ReadSettingBinary(setting::kAutoUpdateLastCheck, &bytes, kCheckTimeBytes);
  return DecodeCheckTime(bytes, time);
}

std::string UpdateAddress() { return std::string(TrimBlanks(ReadSettingText(setting::kUpdateAddress))); }

std::string UpdateDownloadPage() {
  const std::string page = std::string(TrimBlanks(ReadSettingText(setting::kUpdateDownloadPage)));
  if (!page.empty()) return page;
  const std::string address = UpdateAddress();
  const std::size_t slash = address.rfind('/');
  const std::size_t host = address.find("//");
  // "http://host/file" gives "http://host/"; an address without a path stays whole.
  if (slash == std::string::npos || (host != std::string::npos && slash <= host + 1)) return address;
  return address.substr(0, slash + 1);
}

}  // namespace zelo
