// The window lookup over a made-up desktop: how a spec is read, what matches,
// which match wins, what is counted, and which windows are the program's own.
#include "actions/windows/find_window.h"

#include <gtest/gtest.h>

#include "actions/windows/testing/fake_desktop.h"

namespace zelo {
namespace {

using test::FakeWindowTree;

constexpr WindowHandle kMain = 1;

class LookupTest : public ::testing::Test {
 protected:
  LookupTest() {
    desk.Top(kMain, "Zelomat - script.zxm").class_name = "Zelomat";
    desk.Child(2, kMain, "Run", "Button", 1001);
  }
  WindowSearch Find(uint32_t flags, std::string_view spec, WindowQualifier q = WindowQualifier::Any) {
    return FindWindowBySpec(desk, kMain, flags, spec, q);
  }
  FakeWindowTree desk;
};

TEST_F(LookupTest, TitlesMatchAsSubstringsWithoutCaseOrAmpersands) {
  desk.Top(10, "Untitled - Notepad");
  desk.Child(11, 10, "&File", "Static");
  EXPECT_EQ(Find(SEARCH_TITLE, "notepad").window, 10u);
  EXPECT_EQ(Find(SEARCH_TITLE, "File").window, 11u) << "the window's \"&\" is not compared";
  EXPECT_EQ(Find(SEARCH_TITLE, "F&ile").window, 11u) << "nor the spec's";
  EXPECT_EQ(Find(SEARCH_TITLE, "&").window, 0u) << "a title of only \"&\" is empty and names nothing";
  desk[10].hung = true;
  EXPECT_EQ(Find(SEARCH_TITLE, "notepad").window, 0u) << "a window that does not answer has no text";
}

TEST_F(LookupTest, ClassAndIdCompareWholeFieldsInOrder) {
  desk.Top(10, "Dialog");
  desk.Child(11, 10, "OK", "button", 1001);
  EXPECT_EQ(Find(SEARCH_CLASS | SEARCH_ID, "Button|1001").window, 11u);
  EXPECT_EQ(Find(SEARCH_CLASS | SEARCH_ID, "Button |1001").window, 0u) << "fields are not trimmed";
  EXPECT_EQ(Find(SEARCH_CLASS | SEARCH_ID, "Butt|1001").window, 0u) << "class is compared whole";
  EXPECT_EQ(Find(SEARCH_TITLE | SEARCH_ID, "OK|1001|ignored|more").window, 11u);
  desk[11].id = -5;
  desk[11].user_data = -7;
  EXPECT_EQ(Find(SEARCH_ID | SEARCH_USER_DATA, "-5|-7").window, 11u) << "signed decimal";
}

TEST_F(LookupTest, AnExactTitleOrClassIsFoundFirstEvenUnframed) {
  desk.Top(10, "Hidden tool").framed = false;
  desk.Top(11, "Hidden tool - 2");
  const WindowSearch exact = Find(SEARCH_TITLE, "Hidden tool");
  EXPECT_EQ(exact.window, 10u);
  EXPECT_EQ(exact.top_level_matches + exact.child_matches, 0) << "the quick search counts nothing";
  EXPECT_EQ(desk.enumerations, 0);
  const WindowSearch partial = Find(SEARCH_TITLE, "hidden");
  EXPECT_EQ(partial.window, 11u) << "enumerated, an unframed top-level window is no match";
  EXPECT_EQ(partial.top_level_matches, 1);
}

TEST_F(LookupTest, TheLastMatchWinsAndOnlyFramedTopLevelWindowsCount) {
  desk.Top(10, "Report A");
  desk.Top(11, "Report B");
  WindowSearch s = Find(SEARCH_TITLE, "Report");
  EXPECT_EQ(s.window, 11u);
  EXPECT_EQ(s.top_level_matches, 2);
  EXPECT_EQ(SeveralMatchesError(s), "There are 2 top-level windows that match the search criteria");

  desk.Child(12, 11, "Report title", "Static");
  s = Find(SEARCH_TITLE, "Report");
  EXPECT_EQ(s.window, 12u) << "a later matching descendant replaces the top-level match";
  EXPECT_EQ(s.child_matches, 1);

  desk.Remove(10);
  desk.Child(13, 11, "Report footer", "Static");
  s = Find(SEARCH_TITLE, "Report");
  EXPECT_EQ(s.top_level_matches, 1);
  EXPECT_EQ(SeveralMatchesError(s), "") << "one top-level match with several children is no error";
  desk.Remove(11);
  s = Find(SEARCH_CLASS, "Static");
  EXPECT_EQ(s.window, 0u) << "children of a removed window are not enumerated";
}

TEST_F(LookupTest, SeveralChildMatchesWithoutATopLevelOneAreAnError) {
  desk.Top(10, "Form");
  desk.Child(11, 10, "Name", "Edit", 5);
  desk.Child(12, 11, "Name", "Edit", 5);
  const WindowSearch s = Find(SEARCH_CLASS | SEARCH_ID, "Edit|5");
  EXPECT_EQ(s.window, 12u) << "descendants at any depth, in order";
  EXPECT_EQ(SeveralMatchesError(s), "There are 2 child windows that match the search criteria");
}

TEST_F(LookupTest, TheProgramsOwnChildrenAreLeftOutByAncestorsAndClass) {
  EXPECT_EQ(Find(SEARCH_CLASS | SEARCH_ID, "Button|1001").window, 0u) << "a child of the main window";
  // A palette whose class contains the main window's, and a chain of
  // windows under the main window, where the sixth ancestor is too far to tell.
  desk.Top(20, "palette").class_name = "ZelomatPalette";
  desk.Child(21, 20, "Go", "Button", 7);
  EXPECT_EQ(Find(SEARCH_CLASS | SEARCH_ID, "Button|7").window, 0u);
  WindowHandle parent = kMain;
  for (WindowHandle h = 30; h < 37; ++h) {
    desk.Child(h, parent, "deep " + std::to_string(h), "Panel");
    parent = h;
  }
  EXPECT_EQ(Find(SEARCH_TITLE, "deep 34").window, 0u) << "the main window is its fifth ancestor";
  EXPECT_EQ(Find(SEARCH_TITLE, "deep 35").window, 35u) << "the sixth: no longer known as the program's";
  EXPECT_EQ(Find(SEARCH_TITLE, "Zelomat - script").window, kMain)
      << "top-level windows are never left out (the waits judge those)";
}

TEST_F(LookupTest, HandlesAreNumbersOfLiveWindows) {
  desk.Top(0x2a, "Answer");
  EXPECT_EQ(Find(SEARCH_HANDLE, "42").window, 0x2au);
  EXPECT_EQ(Find(SEARCH_HANDLE, "0x2A").window, 0x2au);
  EXPECT_EQ(Find(SEARCH_TITLE | SEARCH_HANDLE, "Answer|0x2a").window, 0x2au);
  const int before = desk.enumerations;
  EXPECT_EQ(Find(SEARCH_HANDLE, "4242").window, 0u) << "a stale handle";
  EXPECT_EQ(Find(SEARCH_HANDLE, "window").window, 0u);
  EXPECT_EQ(Find(SEARCH_HANDLE, "99999999999999999999999").window, 0u);
  EXPECT_EQ(desk.enumerations, before) << "no enumeration for a handle that is no window";
  EXPECT_EQ(ReadWindowHandle("0x"), 0u);
  EXPECT_EQ(ReadWindowHandle("12a"), 0u);
}

TEST_F(LookupTest, QualifiersLimitTheWindowsTaken) {
  desk.Top(10, "Owner");
  desk.Top(11, "Owned tool", 10);
  desk.Child(12, 10, "Tool label", "Static");
  EXPECT_EQ(Find(SEARCH_TITLE, "Tool", WindowQualifier::Framed).window, 11u);
  EXPECT_EQ(Find(SEARCH_TITLE, "Tool", WindowQualifier::FramedTopLevel).window, 0u) << "owned";
  EXPECT_EQ(Find(SEARCH_TITLE, "Tool label", WindowQualifier::Any).window, 12u);
}

TEST_F(LookupTest, NoCriteriaOrNoSpecFindNothing) {
  desk.Top(10, "Anything");
  EXPECT_EQ(Find(0, "Anything").window, 0u);
  EXPECT_EQ(Find(SEARCH_LIST, "Anything").window, 0u);
  EXPECT_EQ(Find(SEARCH_TITLE, "").window, 0u);
  EXPECT_EQ(desk.enumerations, 0);
}

TEST_F(LookupTest, EachWindowsTextIsReadAtMostOnceAndOnlyWhenNeeded) {
  for (WindowHandle h = 100; h < 120; ++h) {
    desk.Top(h, "Window " + std::to_string(h));
    for (WindowHandle c = 1; c <= 10; ++c) desk.Child(h * 100 + c, h, "Control", "Edit", static_cast<int64_t>(c));
  }
  Find(SEARCH_TITLE, "Control");
  for (const auto& [window, reads] : desk.text_reads) EXPECT_EQ(reads, 1) << window;
  desk.text_reads.clear();
  Find(SEARCH_CLASS | SEARCH_ID | SEARCH_TITLE, "Control|Edit|3");
  EXPECT_EQ(desk.text_reads.size(), 20u) << "only windows whose class and ID hold are asked for text";
}

TEST_F(LookupTest, HugeSpecsAndTitlesAreCutNotOverrun) {
  const std::string long_title(100000, 'T');
  desk.Top(10, long_title);
  EXPECT_EQ(Find(SEARCH_TITLE, std::string(300, 'T')).window, 0u)
      << "the spec title is cut to 258, the window text to 255";
  EXPECT_EQ(Find(SEARCH_TITLE, std::string(255, 'T')).window, 10u);
  std::string bars(10000, '|');
  EXPECT_EQ(Find(SEARCH_TITLE | SEARCH_CLASS | SEARCH_ID | SEARCH_USER_DATA | SEARCH_HANDLE, bars).window, 0u);
  const WindowSpec spec = ParseWindowSpec(kSearchCriteria, std::string(500, 'x') + "|" + std::string(500, 'y'));
  EXPECT_EQ(spec.title.size(), 258u);
  EXPECT_EQ(spec.class_name.size(), 62u);
  EXPECT_EQ(spec.id, "");
}

TEST(ControlKinds, ByClassAndButtonStyle) {
  EXPECT_EQ(KindOfControl("EDIT", 0), ControlKind::Edit);
  EXPECT_EQ(KindOfControl("Edit", 0x4), ControlKind::MultiLineEdit);
  EXPECT_EQ(KindOfControl("Button", 9), ControlKind::RadioButton);
  EXPECT_EQ(KindOfControl("Button", 7), ControlKind::Static) << "a group box labels, it is not pressed";
  EXPECT_EQ(KindOfControl("Button", 3), ControlKind::CheckBox);
  EXPECT_EQ(KindOfControl("Button", 0x10000 | 1), ControlKind::Button);
  EXPECT_EQ(KindOfControl("SysListView32", 0), ControlKind::Other);
}

TEST(WindowList, FramedTopLevelWindowsAfterASeparatorOthersIndented) {
  FakeWindowTree desk;
  desk.Top(0x10, "Main");
  desk.Child(0x11, 0x10, "OK", "Button", 1);
  desk.Child(0x12, 0x10, "", "Static", 2);
  const std::string all = WindowListText(desk, WindowQualifier::Any);
  EXPECT_EQ(all, "\r\n" + std::string(70, '=') +
                     "\r\n\"Main\"\t\t\t(Class: Frame  ID: 0  HWND: 0x10)\r\n"
                     "      \"OK\"\t\t\t(Class: Button  ID: 1  HWND: 0x11)\r\n"
                     "      \"\"\t\t\t(Class: Static  ID: 2  HWND: 0x12)\r\n");
  EXPECT_EQ(WindowListText(desk, WindowQualifier::Framed), "Main\r\n");
}

}  // namespace
}  // namespace zelo
