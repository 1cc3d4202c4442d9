#include "tests/wine/harness_win.h"

#include <cstdio>
#include <vector>

#include "base/win32_owners_win.h"

namespace zelo::test {

std::wstring Wide(const std::string& s) {
  int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, w.data(), n);
  w.resize(static_cast<size_t>(n - 1));
  return w;
}

std::string Narrow(const std::wstring& w) {
  if (w.empty()) return std::string();
  int n = WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

namespace {
std::wstring g_program;

RegistryKey ZelomatKey() { return CreateRegistryKey(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat", KEY_ALL_ACCESS); }

void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW fd;
  // The search ends before the folder goes: an open search keeps it.
  if (const FindHandle find{FindFirstFileW((dir + L"\\*").c_str(), &fd)}) {
    do {
      std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = dir + L"\\" + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(find.get(), &fd));
  }
  RemoveDirectoryW(dir.c_str());
}
}  // namespace

void SetProgramPath(const std::wstring& path) { g_program = path; }
const std::wstring& ProgramPath() { return g_program; }

ScratchFolder::ScratchFolder() {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  static int counter = 0;
  char name[MAX_PATH];
  snprintf(name, sizeof name, "%szelotest_%lu_%d", tmp, GetCurrentProcessId(), ++counter);
  path_ = name;
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(Wide(path_)); }

bool WriteTextFile(const std::string& path, const std::string& bytes) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

bool ReadTextFile(const std::string& path, std::string* bytes) {
  bytes->clear();
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return false;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes->append(buf, n);
  fclose(f);
  return true;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SetZelomatString(const std::string& name, const std::string& value) {
  const RegistryKey k = ZelomatKey();
  std::wstring v = Wide(value);
  return k.get() && RegSetValueExW(k.get(), Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                                   static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool SetZelomatNumber(const std::string& name, DWORD value) {
  const RegistryKey k = ZelomatKey();
  return k.get() && RegSetValueExW(k.get(), Wide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                   sizeof value) == ERROR_SUCCESS;
}

bool DeleteZelomatValue(const std::string& name) {
  const RegistryKey k = ZelomatKey();
  return k.get() && RegDeleteValueW(k.get(), Wide(name).c_str()) == ERROR_SUCCESS;
}

bool GetZelomatString(const std::string& name, std::string* value) {
  const RegistryKey k = ZelomatKey();
  value->clear();
  if (!k.get()) return false;
  wchar_t buf[2048];
  DWORD size = sizeof buf - sizeof(wchar_t), type = 0;
  if (RegQueryValueExW(k.get(), Wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) !=
      ERROR_SUCCESS)
    return false;
  buf[size / sizeof(wchar_t)] = L'\0';
  int n = WideCharToMultiByte(CP_ACP, 0, buf, -1, nullptr, 0, nullptr, nullptr);
  value->resize(static_cast<size_t>(n));
  WideCharToMultiByte(CP_ACP, 0, buf, -1, value->data(), n, nullptr, nullptr);
  value->resize(static_cast<size_t>(n - 1));
  return true;
}

bool GetZelomatNumber(const std::string& name, DWORD* value) {
  const RegistryKey k = ZelomatKey();
  DWORD size = sizeof *value, type = 0;
  return k.get() &&
         RegQueryValueExW(k.get(), Wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
             ERROR_SUCCESS &&
         type == REG_DWORD;
}

ScopedZelomatNumber::ScopedZelomatNumber(const std::string& name, DWORD value) : name_(name) {
  had_ = GetZelomatNumber(name, &old_);
  SetZelomatNumber(name, value);
}

ScopedZelomatNumber::~ScopedZelomatNumber() {
  if (had_)
    SetZelomatNumber(name_, old_);
  else
    DeleteZelomatValue(name_);
}

std::string StepXml(const std::string& action, const std::string& comment, const std::string& text, int status) {
  std::string xml = "<step>\r\n\t<action>" + action + "</action>\r\n";
  if (!text.empty()) xml += "\t<text>" + text + "</text>\r\n";
  if (!comment.empty()) xml += "\t<comment>" + comment + "</comment>\r\n";
  if (status) xml += "\t<status>" + std::to_string(status) + "</status>\r\n";
  return xml + "</step>\r\n";
}

std::string ScriptText(const std::string& steps) {
  return "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n" + steps + "</Zelomat>";
}

void UseLogFile(const std::string& path) {
  SetZelomatString("Logfile", path);
  SetZelomatNumber("Log", 1);
  DeleteFileA(path.c_str());
}

bool WaitForLogText(const std::string& path, const std::string& needle, DWORD ms, std::string* log) {
  std::string text;
  const DWORD start = GetTickCount();
  for (;;) {
    ReadTextFile(path, &text);
    if (text.find(needle) != std::string::npos || GetTickCount() - start > ms) break;
    Sleep(50);
  }
  if (log) *log = text;
  return text.find(needle) != std::string::npos;
}

int Occurrences(const std::string& text, const std::string& needle) {
  int n = 0;
  for (size_t p = text.find(needle); p != std::string::npos; p = text.find(needle, p + needle.size())) ++n;
  return n;
}

Process StartProgram(const std::string& args, const std::string& log_path) {
  UseLogFile(log_path);
  return Process::Start(ProgramPath(), Wide(args));
}

RunResult RunProgram(const std::string& args, const std::string& log_path, DWORD timeout_ms) {
  RunResult r;
  Process p = StartProgram(args, log_path);
  if (!p.valid()) return r;
  r.finished = p.Wait(timeout_ms, &r.exit_code);
  ReadTextFile(log_path, &r.log);
  return r;
}

}  // namespace zelo::test
