// Shortcut resolution against real shell links made by the shell-link object.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "actions/shared/file_routines.h"
#include "actions/shared/file_test_support.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {
namespace {

constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkInterface = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kPersistFileInterface = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Saves a shortcut at link that points at target; false when the shell cannot.
bool MakeShortcut(const std::string& link, const std::string& target) {
  const ComInit com;
  ComRef<IShellLinkW> shell_link;
  ComRef<IPersistFile> file;
  return SUCCEEDED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkInterface,
                                    shell_link.receive())) &&
         SUCCEEDED(shell_link->SetPath(AnsiToWide(target).c_str())) &&
         SUCCEEDED(shell_link->QueryInterface(kPersistFileInterface, file.receive())) &&
         SUCCEEDED(file->Save(AnsiToWide(link).c_str(), TRUE));
}

TEST(ResolveShortcut, ALinkGivesItsTargetAnyOtherFileItself) {
  test::ScratchFiles files;
  const std::string target = files.Write("target file.txt", "t");
  const std::string link = files.Path("to target.lnk");
  ASSERT_TRUE(MakeShortcut(link, target)) << "the shell could not save a shortcut";
  std::string resolved;
  ASSERT_TRUE(ResolveShortcut(link, &resolved));
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, resolved.c_str(), -1, target.c_str(), -1), CSTR_EQUAL)
      << resolved << " is not " << target;
  EXPECT_TRUE(ResolveShortcut(target, &resolved));
  EXPECT_EQ(resolved, target);
  EXPECT_FALSE(ResolveShortcut("", &resolved));
}

TEST(ResolveShortcut, ABrokenLinkFileFails) {
  test::ScratchFiles files;
  const std::string link = files.Write("broken.lnk", "this is no shell link");
  std::string resolved = "x";
  EXPECT_FALSE(ResolveShortcut(link, &resolved));
}

}  // namespace
}  // namespace zelo
