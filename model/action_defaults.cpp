#include "model/action_defaults.h"

#include <string>

#include "base/text.h"
#include "model/catalogue.h"

namespace zelo {

namespace {

enum class NameTest {
  Equals,    // the name, ignoring case
  Contains,  // the name holds the text, ignoring case
  Other,     // any name no earlier row of the category matched
  Always,    // applied after the matching row as well
};

enum class Set {
  None,
  Action,
  Category,
  Icon,
  Options,
  Timeout,
  TimeoutWhenNone,  // only when the time-out is still empty or "0"
  Text,
  Comment,
  Output,
  Value1,
  Value4,
  Value5,
  ClearFailureMode,
  BrowserProgram,
  MailProgram,
};

struct FieldDefault {
  Set field;
  const char* value;
};

struct ActionDefault {
  int category;
  NameTest test;
  const char* name;
  const char* also_contains;  // a second substring the name must hold, or nullptr
  FieldDefault fields[4];
};

// Sample addresses for the network actions; the user replaces them.
#define SAMPLE_HOME_PAGE "http://www.example.com/"
#define SAMPLE_FTP_FOLDER "ftp.example.com/user/folder/"

// Within a category the first matching row applies (then its Always rows).
const ActionDefault kActionDefaults[] = {
    {CAT_RUN_PROGRAM, NameTest::Equals, "Start and Wait for Program to Exit", nullptr,
     {{Set::Action, "Start"}, {Set::Options, "Wait For Exit"}}},
    {CAT_RUN_PROGRAM, NameTest::Contains, "Start Hidden", nullptr, {{Set::Action, "Start"}, {Set::Options, "Hidden"}}},
    {CAT_RUN_PROGRAM, NameTest::Contains, "Call Script", nullptr, {{Set::Icon, "4"}, {Set::Options, "Wait For Exit"}}},
    {CAT_RUN_PROGRAM, NameTest::Contains, "MS-DOS", nullptr, {{Set::Text, "%sysdir\\CMD.EXE /C dir c:\\*.* /s"}}},
    {CAT_RUN_PROGRAM, NameTest::Equals, "Control Panel: System", nullptr,
     {{Set::Text, "rundll32.exe Shell32.dll Control_RunDLLA sysdm.cpl"},
      {Set::Comment, "Can also be accomplished with Windows Key + Pause"}}},
    {CAT_RUN_PROGRAM, NameTest::Equals, "Start Browser", nullptr, {{Set::Action, "Start"}, {Set::BrowserProgram, ""}}},
    {CAT_RUN_PROGRAM, NameTest::Equals, "Start Email", nullptr, {{Set::Action, "Start"}, {Set::MailProgram, ""}}},
    {CAT_RUN_PROGRAM, NameTest::Other, "", nullptr, {{Set::Options, "Single"}}},

    {CAT_WINDOWS, NameTest::Equals, "Get Text", nullptr, {{Set::Options, "Class, ID, Userdata"}}},
    {CAT_WINDOWS, NameTest::Equals, "Press Button/Control", nullptr, {{Set::Options, "Class, ID, Userdata"}}},
    {CAT_WINDOWS, NameTest::Contains, "all ", nullptr, {{Set::Options, "Title"}}},  // no time-out for "all" windows
    {CAT_WINDOWS, NameTest::Other, "", nullptr, {{Set::Options, "Title"}, {Set::Timeout, "3"}}},

    {CAT_KEYBOARD, NameTest::Other, "", nullptr, {{Set::ClearFailureMode, ""}}},

    {CAT_MENU, NameTest::Equals, "Select Menu Item", nullptr, {{Set::Text, "&File; &Open"}}},
    {CAT_MENU, NameTest::Equals, "Select System Menu", nullptr, {{Set::Text, "Ma&ximize"}}},

    {CAT_MOUSE, NameTest::Equals, "Move Relative", nullptr, {{Set::Options, "Current Position"}}},
    {CAT_MOUSE, NameTest::Equals, "Move to Control", nullptr, {{Set::Options, "Class,ID"}}},
    {CAT_MOUSE, NameTest::Equals, "Move to Window", nullptr, {{Set::Options, "Title,Class,ID"}}},

    {CAT_WAIT, NameTest::Equals, "Delay", nullptr, {{Set::Timeout, "2"}}},
    {CAT_WAIT, NameTest::Equals, "Wait for Keypress", nullptr, {{Set::Timeout, "3"}, {Set::Text, "{Esc}"}}},
    {CAT_WAIT, NameTest::Other, "", nullptr, {{Set::Timeout, "3"}}},

    {CAT_USER_PROMPT, NameTest::Equals, "Input Value", nullptr,
     {{Set::Text, "Please enter a value:\r\n(you can change this message)"}}},
    {CAT_USER_PROMPT, NameTest::Equals, "Login", nullptr, {{Set::Text, "Please enter your user name and password"}}},
    {CAT_USER_PROMPT, NameTest::Equals, "Choose from a List", nullptr,
     {{Set::Text, "Please choose from the list:\r\n(you can change this message);Option #1;Option #2;Option #3"}}},
    {CAT_USER_PROMPT, NameTest::Contains, "Progress Bar", nullptr, {{Set::Text, "50% Complete"}}},
    {CAT_USER_PROMPT, NameTest::Contains, "Popup Menu", nullptr, {{Set::Text, "Choice 1\r\nChoice 2\r\n---\r\nChoice 3"}}},
    {CAT_USER_PROMPT, NameTest::Contains, "Custom Message Box", nullptr,
     {{Set::Action, "Win32 API"},
      {Set::Category, "17"},
      {Set::Text, "MessageBox( 0, \"message\", \"title\", MB_YESNOCANCEL+MB_ICONQUESTION )"},
      {Set::Comment, "Yes=6, No=7, Cancel=2  (see \"Win32 API\" in help file for details)"}}},
    {CAT_USER_PROMPT, NameTest::Contains, "Status Popup", nullptr, {{Set::Timeout, "2"}}},
    {CAT_USER_PROMPT, NameTest::Contains, "Tool Tip Popup", nullptr, {{Set::Timeout, "2"}}},
    {CAT_USER_PROMPT, NameTest::Always, "", nullptr, {{Set::TimeoutWhenNone, "30"}}},

    {CAT_FILES, NameTest::Equals, "Map Drive", nullptr, {{Set::Value1, "\\\\fileserver\\share"}, {Set::Text, "H:"}}},

    {CAT_INTERNET, NameTest::Equals, "Open a Web Page", nullptr, {{Set::Text, SAMPLE_HOME_PAGE}}},
    {CAT_INTERNET, NameTest::Contains, "Save Web Page", nullptr, {{Set::Text, SAMPLE_HOME_PAGE}, {Set::Output, "File"}}},
    {CAT_INTERNET, NameTest::Equals, "HTTP Post", nullptr,
     {{Set::Text, "http://www.example.com/search?q=zelomat&lang=en"}}},
    {CAT_INTERNET, NameTest::Equals, "Download", nullptr, {{Set::Text, "http://www.example.com/index.html"}}},
    // value4 is the message number of the POP3 actions (value3 is the login).
    {CAT_INTERNET, NameTest::Contains, "POP3", nullptr, {{Set::Text, "mail.example.com"}, {Set::Value4, "1"}}},
    {CAT_INTERNET, NameTest::Contains, "FTP ", "Folder", {{Set::Text, SAMPLE_FTP_FOLDER}}},
    {CAT_INTERNET, NameTest::Contains, "FTP ", nullptr, {{Set::Text, SAMPLE_FTP_FOLDER "source.gif"}}},

    {CAT_DATABASE, NameTest::Equals, "Save SQL Data to File", nullptr,
     {{Set::Output, "File"}, {Set::Value5, "C:\\data.csv"}}},

    {CAT_FLOW, NameTest::Equals, "Start Files Loop", nullptr, {{Set::Text, "C:\\Folder\\*.*"}}},

    {CAT_SYSTEM, NameTest::Contains, "Copy Registry", nullptr,
     {{Set::Value1, "HKEY_CURRENT_USER\\SOFTWARE\\TreeName"}, {Set::Text, "HKEY_CURRENT_USER\\SOFTWARE\\TreeName2"}}},
    {CAT_SYSTEM, NameTest::Contains, "Registry", nullptr,
     {{Set::Value1, "HKEY_CURRENT_USER\\SOFTWARE\\TreeName\\SubKeyName"}}},
    {CAT_SYSTEM, NameTest::Contains, "Variable", nullptr, {{Set::Output, "Variable"}}},

    {CAT_EXTERNAL, NameTest::Contains, "Win32", nullptr,
     {{Set::Text, "MessageBox( 0, \"message\", \"title\", MB_OK+MB_ICONINFORMATION )"}}},
    {CAT_EXTERNAL, NameTest::Equals, "Call DLL Function", nullptr,
     {{Set::Text, "MyFunction( \"some text\", 1 )"}, {Set::Value1, "MyModule.DLL"}}},
};

#undef SAMPLE_HOME_PAGE
#undef SAMPLE_FTP_FOLDER

bool NameMatches(const ActionDefault& row, std::string_view name) {
  if (row.also_contains && !ContainsNoCase(name, row.also_contains)) return false;
  switch (row.test) {
    case NameTest::Equals:
      return EqualsNoCase(name, row.name);
    case NameTest::Contains:
      return ContainsNoCase(name, row.name);
    default:
      return true;
  }
}

void Apply(const FieldDefault& d, StepRecord& step, const ProgramRegistry& programs) {
  switch (d.field) {
    case Set::None:
      break;
    case Set::Action:
      step.action = d.value;
      break;
    case Set::Category:
      step.category = TextToInt(d.value);
      break;
    case Set::Icon:
      step.icon = TextToInt(d.value);
      break;
    case Set::Options:
      step.options = d.value;
      break;
    case Set::Timeout:
      step.timeout = d.value;
      break;
    case Set::TimeoutWhenNone:
      if (step.timeout.empty() || step.timeout == "0") step.timeout = d.value;
      break;
    case Set::Text:
      step.text.Assign(d.value);
      break;
    case Set::Comment:
      step.comment.Assign(d.value);
      break;
    case Set::Output:
      step.output = d.value;
      break;
    case Set::Value1:
      step.value(1) = d.value;
      break;
    case Set::Value4:
      step.value(4) = d.value;
      break;
    case Set::Value5:
      step.value(5) = d.value;
      break;
    case Set::ClearFailureMode:
      step.onfail.clear();
      break;
    case Set::BrowserProgram:
      step.text.Assign(DefaultBrowserProgram(programs));
      break;
    case Set::MailProgram:
      step.text.Assign(DefaultMailProgram(programs));
      break;
  }
}

void ApplyRow(const ActionDefault& row, StepRecord& step, const ProgramRegistry& programs) {
  for (const FieldDefault& d : row.fields) Apply(d, step, programs);
}

}  // namespace

void ApplyActionDefaults(StepRecord& step, const ProgramRegistry& programs) {
  // The rows are chosen by the tree item's category and name, before any row
  // renames the action or changes its category.
  const int category = step.category;
  const std::string name = step.action.str();
  for (const ActionDefault& row : kActionDefaults) {
    if (row.category != category || row.test == NameTest::Always) continue;
    if (!NameMatches(row, name)) continue;
    ApplyRow(row, step, programs);
    break;
  }
  for (const ActionDefault& row : kActionDefaults)
    if (row.category == category && row.test == NameTest::Always) ApplyRow(row, step, programs);
}

std::string DefaultBrowserProgram(const ProgramRegistry& programs) {
  std::string program = programs.RegisteredProgram(".htm");
  if (program.empty()) program = programs.FullProgramPath("IEXPLORE.EXE");
  if (program.empty()) program = "IEXPLORE.EXE";
  // Drop the arguments of a registered command line.
  std::size_t exe = FindNoCase(program, ".EXE");
  if (exe != std::string::npos) program.resize(exe + 4);
  return program;
}

std::string DefaultMailProgram(const ProgramRegistry& programs) {
  std::string program = programs.RegisteredProgram("MAIL");
  if (!program.empty()) return program;
  program = programs.RegisteredProgram(".eml");
  std::size_t slash = program.find('/');
  if (slash != std::string::npos) program.resize(slash);
  while (!program.empty() && program.back() == ' ') program.pop_back();
  return program;
}

}  // namespace zelo
