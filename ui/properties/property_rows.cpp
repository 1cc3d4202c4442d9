#include "ui/properties/property_rows.h"

#include "actions/conditions/if_actions.h"
#include "actions/files/file_actions.h"
#include "actions/functions/function_actions.h"
#include "actions/programs/program_actions.h"
#include "actions/wait/wait_actions.h"
#include "actions/windows/window_actions.h"
#include "base/printf_text.h"
#include "base/text.h"
#include "model/catalogue.h"

namespace zelo {

namespace {

constexpr const char* kTimeoutHelp = "Number of seconds to wait before failing";
constexpr const char* kFileHelp = "The name of the source file to use for this action";

// Collects rows; the 32nd row is always left for the end row, so a sheet
// never grows past its limit whatever the tables below ask for.
class RowList {
 public:
  explicit RowList(PropertySheet& sheet) : rows_(sheet.rows) {}

  PropertyRow& Add(std::string_view label, int field, int kind, uint32_t tools = 0, std::string_view help = "") {
    if (rows_.size() >= kMaxPropertyRows - 1) return spare_;
    rows_.emplace_back();
    PropertyRow& r = rows_.back();
    r.label = label;
    r.field = field;
    r.kind = kind;
    r.tools = tools;
    r.help = help;
    return r;
  }
  void Text(std::string_view label, int field, uint32_t tools = 0, std::string_view help = "") {
    Add(label, field, KIND_TEXT, tools, help);
  }
  void Multi(std::string_view label, int field, std::string_view help = "") {
    Add(label, field, KIND_MULTILINE, 0, help);
  }
  void Number(std::string_view label, int field, std::string_view help = "") { Add(label, field, KIND_NUMBER, 0, help); }
  // A number row whose check box stores `stored` (kAlternativeEmpty: an empty field).
  PropertyRow& NumberOr(std::string_view label, int field, std::string_view alternative, int stored,
                        std::string_view help = "", int kind = KIND_NUMBER) {
    PropertyRow& r = Add(label, field, kind, TOOL_ALTERNATIVE, help);
    r.word = alternative;
    r.value = stored;
    return r;
  }
  void Check(std::string_view label, std::string_view word, std::string_view help = "") {
    Add(label, FIELD_OPTIONS, KIND_CHECK, 0, help).word = word;
  }
  void List(std::string_view label, int field, std::string_view items, uint32_t tools = 0,
            std::string_view help = "") {
    Add(label, field, KIND_LIST, tools, help).word = items;
  }
  void Password(std::string_view label, int field) {
    Add(label, field, KIND_PASSWORD, 0, "The password is stored in the script in a scrambled form");
  }
  void Timeout(std::string_view help = kTimeoutHelp) { Number("Timeout", FIELD_TIMEOUT, help); }
  void End() {
    rows_.emplace_back();
    rows_.back().kind = KIND_END;
  }

 private:
  std::vector<PropertyRow>& rows_;
  PropertyRow spare_;  // what a row past the limit is written into, and dropped
};

bool Has(std::string_view action, std::string_view word) { return ContainsNoCase(action, word); }

void WindowMatchRows(RowList& r, bool with_handle_and_image) {
  r.Text("Match Criteria", FIELD_TEXT, TOOL_WINDOW_FINDER,
         "Data that is used to locate the correct window.  This can be a combination of match options, such as "
         "\"Class\" and \"ID\", which are each separated by a \"|\".  Example: \"Button|1001\"");
  r.Check("Match Title", "Title", "Find the window by its title (or the start of it)");
  r.Check("Match Class", "Class", "Find the window by its class name");
  r.Check("Match ID", "ID", "Find the window by its control ID");
  r.Check("Match User Data", "Userdata", "Find the window by its user data number");
  if (!with_handle_and_image) return;
  r.Check("Match Handle (HWND)", "Handle", "Find the window by its handle number");
  r.Check("Match Image", "Image",
          "Find the window by an image file shown on the screen; this cannot be combined with any other match "
          "options");
}

// Image file and search region rows of the pixel and image searches.
void SearchRows(RowList& r, bool pixel) {
  if (pixel)
    r.Text("Pixel Color", FIELD_TEXT, TOOL_DROPPER, "The colour to look for, such as 0xFF8000 (red, green, blue) or a colour name");
  else
    r.Text("Image File", FIELD_TEXT, TOOL_IMAGE_FILE, "The image file (BMP or PNG) to look for on the screen");
  r.Number("Pixel Color Variation (0-255)", ValueField(1),
           "How far each colour component of a screen pixel may differ and still match");
  r.NumberOr("Start Search At (X, Y)", ValueField(2), "Full Screen", kAlternativeEmpty,
             "Top-left corner of the screen area to search", KIND_TEXT)
      .tools |= TOOL_MOUSE;
  r.NumberOr("Stop Search At (X, Y)", ValueField(3), "Full Screen", kAlternativeEmpty,
             "Bottom-right corner of the screen area to search", KIND_TEXT)
      .tools |= TOOL_MOUSE;
  r.Check("Show Screen Scan", "Show Scan", "Show where the screen is searched while the step runs");
}


// Each category's rows; true when the action produces a result to save.
bool RunProgramRows(RowList& r, std::string_view action) {
  const ProgramAction kind = ClassifyProgramAction(action);
  if (kind == ProgramAction::ServiceStartupType || kind == ProgramAction::StartService ||
      kind == ProgramAction::StopService) {
    r.List("Service", FIELD_TEXT, "", TOOL_SERVICES,
           "Service Name - The asterisk (*) indicates that the service is currently running");
    if (kind == ProgramAction::ServiceStartupType)
      r.List("Startup Type", ValueField(1), "Automatic;Manual;Disabled", 0, "How the service is started");
    return false;
  }
  r.Text("Program/Document", FIELD_TEXT, TOOL_FILE,
         "Executable program (.EXE) or document to run.  This can include command line parameters and document "
         "file names");
  if (kind == ProgramAction::Kill) return false;
  r.Check("Activate if Already Running", "Single",
          "If the program is already running, activate its window instead of starting another copy");
  r.Check("Run Hidden", "Hidden", "Start the program without showing its window");
  r.Check("Wait For Program to Exit", "Wait For Exit", "Wait until the program has ended before continuing");
  r.NumberOr("Timeout", FIELD_TIMEOUT, "Wait Forever", 0,
             "Duration to wait for program to complete before continuing or failing.  \"Wait for Exit\" must also "
             "be selected for this to be enabled");
  return true;
}

bool WindowRows(RowList& r, std::string_view action) {
  WindowMatchRows(r, true);
  r.Timeout("Number of seconds to wait for window to appear before failing");
  switch (ClassifyWindowAction(action)) {
    case WindowAction::Move:
      r.Number("Move To X (Left)", ValueField(1), "New position of the window's left edge");
      r.Number("Move To Y (Top)", ValueField(2), "New position of the window's top edge");
      break;
    case WindowAction::Resize:
      r.Number("New Width", ValueField(1), "New width of the window in pixels");
      r.Number("New Height", ValueField(2), "New height of the window in pixels");
      break;
    case WindowAction::SetStyle:
      r.Text("Window Style", ValueField(1), 0, "The style to give the window");
      break;
    case WindowAction::GetText: return true;
    default: break;
  }
  return false;
}

bool KeyboardRows(RowList& r, std::string_view action) {
  if (Has(action, "Block Input")) return false;  // "Block Input", "Unblock Input"
  r.Multi("Text", FIELD_TEXT, "The text and keys to type, such as {tab} or {enter}");
  r.Check("No Formatting", "No Formatting",
          "If selected, special formatting such as %dd and {tab} will be typed literally without changes (no "
          "translation done)");
  return false;
}

bool MenuRows(RowList& r, std::string_view action) {
  r.Multi("Menu Text", FIELD_TEXT,
          "Place menu item entries on separate lines.  Separators can be added with a dashed line: \"---\", and "
          "underlined characters with the &&");
  return Has(action, "Popup");
}

bool MouseRows(RowList& r, std::string_view action) {
  if (Has(action, "Image")) {
    SearchRows(r, false);
    r.Timeout("Number of seconds to look for the image before failing");
    return true;
  }
  if (Has(action, "Control") || Has(action, "Window")) {
    WindowMatchRows(r, false);
    r.Timeout("Number of seconds to wait for window to appear before failing");
    return false;
  }
  if (Has(action, "Move") || Has(action, "Click") || Has(action, "Button"))
    r.Text("X, Y Coordinates", FIELD_TEXT, TOOL_MOUSE | TOOL_MOUSE_IN_WINDOW,
           "Where the pointer goes, as \"X, Y\" in pixels");
  return false;
}

bool WaitRows(RowList& r, std::string_view action) {
  switch (kWaitActions.KindOf(action, WaitAction::Other)) {
    case WaitAction::Delay:
    case WaitAction::Freeze:
      r.Number("Delay Seconds", FIELD_TIMEOUT, "Duration to wait, in seconds (fractions such as .5 may be used)");
      return false;
    case WaitAction::Keypress:
      r.NumberOr("Key Code", FIELD_TEXT, "Any Key", kAlternativeEmpty,
                 "The key to wait for: one character or a key name in braces such as {F1}", KIND_TEXT);
      break;
    case WaitAction::Pixel:
    case WaitAction::Image:
    case WaitAction::MaskedImage:
      SearchRows(r, kWaitActions.KindOf(action, WaitAction::Other) == WaitAction::Pixel);
      r.Timeout();
      return true;
    case WaitAction::WindowToAppear:
    case WaitAction::WindowToDisappear:
      r.Text("Window Title", FIELD_TEXT, TOOL_WINDOW_FINDER, "The title (or the start of the title) of the window");
      break;
    case WaitAction::File: r.Text("File Name", FIELD_TEXT, TOOL_FILE, "The file to wait for"); break;
    default: break;
  }
  r.Timeout();
  return false;
}

bool PromptRows(RowList& r, std::string_view action) {
  r.Text("Title", ValueField(1), 0, "The title that appears in the caption area");
  if (Has(action, "Display Image"))
    r.Text("Image File", FIELD_TEXT, TOOL_FILE | TOOL_PREVIEW, "The image file to show");
  else
    r.Multi("Message", FIELD_TEXT, "The message to show");
  r.Check("Always on Top", "Topmost", "Keep the window above all other windows");
  r.NumberOr("Timeout", FIELD_TIMEOUT, "Required Response", 0,
             "Number of seconds to wait for input before automatically being dismissed");
  for (const char* asks : {"Question", "Input", "Login", "Choose"})
    if (Has(action, asks)) return true;
  return false;
}

bool FileRows(RowList& r, std::string_view action) {
  const FileAction kind = FileActionOf(action);
  switch (kind) {
    case FileAction::SetFileAssociation:
      r.Text("EXE Program", ValueField(1), TOOL_FILE, "The program that opens files of this type");
      r.Text("Extension", ValueField(2), 0, "The file extension, such as .txt");
      r.Multi("Description", FIELD_TEXT, "The description of the file type");
      return false;
    case FileAction::CreateFolder:
    case FileAction::CopyFolder:
    case FileAction::MoveFolder:
    case FileAction::DeleteFolder:
    case FileAction::SetCurrentDirectory:
      r.Text("Folder Name", ValueField(1), TOOL_FOLDER, "The folder to use for this action");
      if (kind == FileAction::CopyFolder) r.Text("Copy to Folder", FIELD_TEXT, TOOL_FOLDER, "The destination folder");
      if (kind == FileAction::MoveFolder)
        r.Text("Destination Folder", FIELD_TEXT, TOOL_FOLDER, "The new name or place of the folder");
      return false;
    case FileAction::MapDrive:
    case FileAction::MapDrivePrompt:
      r.Text("Shared Folder", ValueField(1), TOOL_FOLDER, "The network share, such as \\\\server\\share");
      r.Text("New Drive Letter", FIELD_TEXT, 0, "The drive letter to map, such as H:");
      return false;
    default: break;
  }
  r.Text("File Name", ValueField(1), TOOL_FILE, kFileHelp);
  switch (kind) {
    case FileAction::ReadFile:
      r.NumberOr("Start Position", ValueField(2), "Start of File", 0, "Byte offset (0-based) to start reading at");
      r.NumberOr("Stop Position", ValueField(3), "End of File", 0, "Byte offset (0-based) to stop reading at");
      return true;
    case FileAction::ReadFileLine: r.Number("Line Number", ValueField(2), "The line to read (1 is the first)"); return true;
    case FileAction::CountFileLines: return true;
    case FileAction::WriteFile:
      r.NumberOr("Start Position", ValueField(2), "Append", -1, "Byte offset (0-based) to start writing at");
      r.Multi("Data to Write", FIELD_TEXT, "The text written to the file");
      return false;
    case FileAction::CopyFile: r.Text("Destination File", FIELD_TEXT, TOOL_FILE, "Where the copy goes"); return false;
    case FileAction::MoveFile: r.Text("New Name", FIELD_TEXT, TOOL_FILE, "The new name or place of the file"); return false;
    case FileAction::ChangeFileSize: r.Number("New Size", ValueField(2), "The new size of the file in bytes"); return false;
    default: return false;
  }
}

void FtpLoginRows(RowList& r) {
  r.Text("Login Username", ValueField(3), 0, "The user name for the server");
  r.Password("Password", ValueField(2));
}

bool InternetRows(RowList& r, std::string_view action) {
  if (Has(action, "POP3")) {
    r.Text("POP3 Server", FIELD_TEXT, 0, "The mail server to read from");
    r.Text("Login Username", ValueField(3), 0, "The user name of the mailbox");
    r.Password("Password", ValueField(2));
    r.Number("Which Email", ValueField(4), "The number of the message (1 is the first)");
    return Has(action, "Check");
  }
  if (Has(action, "SMTP")) {
    r.Text("SMTP Server", ValueField(3), 0, "The mail server to send through");
    r.Text("Subject", ValueField(4));
    r.Multi("Message", FIELD_TEXT);
    r.Text("From", ValueField(5), 0, "The sender's address");
    r.Text("To", ValueField(6), 0, "The recipients' addresses");
    return false;
  }
  if (Has(action, "Send Email")) {  // MAPI and "mailto"
    r.Text("Send To", ValueField(3), 0, "The recipients' addresses");
    r.Text("Subject", ValueField(4));
    r.Multi("Message", FIELD_TEXT);
    return false;
  }
  if (Has(action, "FTP")) {
    if (Has(action, "Upload")) r.Text("Local File", ValueField(1), TOOL_FILE, "The file to send");
    if (Has(action, "Folder"))
      r.Text("Remote Folder", FIELD_TEXT, 0, "Server and folder, such as ftp.example.com/user/folder/");
    else
      r.Text("Remote File", FIELD_TEXT, 0, "Server and file, such as ftp.example.com/user/folder/file.txt");
    FtpLoginRows(r);
    return false;
  }
  if (Has(action, "Ping")) {
    r.Text("Hostname / IP", FIELD_TEXT, 0, "The computer to ping");
    r.Timeout();
    return false;
  }
  if (Has(action, "Browser")) {
    r.Text("Browser", FIELD_TEXT, TOOL_FILE, "The browser program to start");
    return false;
  }
  if (Has(action, "Email")) {
    r.Text("Email Program", FIELD_TEXT, TOOL_FILE, "The mail program to start");
    return false;
  }
  if (Has(action, "Post")) {
    r.Text("Post String", FIELD_TEXT, 0, "The address with the query string to post");
    return true;
  }
  r.Text("Web Address", FIELD_TEXT, 0, "The address of the web page");
  return Has(action, "Save") || Has(action, "Download");
}

bool DatabaseRows(RowList& r, std::string_view) {
  r.Multi("SQL Query", FIELD_TEXT, "The SQL statement to run");
  r.List("Data Source", ValueField(1), "", TOOL_DATA_SOURCES, "The ODBC data source to connect to");
  r.Text("Login Username", ValueField(2), 0, "The user name for the data source");
  r.Password("Password", ValueField(3));
  r.NumberOr("Max Rows", ValueField(4), "Retrieve All Rows", -1, "The most rows to fetch (empty or 0: 1000)");
  r.Timeout();
  return true;
}

bool FlowRows(RowList& r, std::string_view action) {
  if (Has(action, "'For'")) {
    r.Number("Loops", FIELD_TEXT, "How many times the loop runs");
  } else if (Has(action, "'While'")) {
    r.Multi("Expression", FIELD_TEXT,
            "Conditional statement that is evaluated each loop, such as \"%foo < 3\".  As long as the expression is "
            "TRUE, the loop continues repeating");
  } else if (Has(action, "Files Loop")) {
    r.Text("File Spec", FIELD_TEXT, TOOL_FILE, "The files to loop over, such as C:\\Folder\\*.*");
    return true;
  } else if (Has(action, "File Line")) {
    r.Text("File Name", FIELD_TEXT, TOOL_FILE, "The file whose lines the loop reads");
    return true;
  } else if (Has(action, "Windows Loop")) {
    r.Text("Window Title", FIELD_TEXT, TOOL_WINDOW_FINDER, "The windows to loop over (empty: every window)");
    return true;
  } else if (Has(action, "Label")) {
    r.Text("Label Name", FIELD_TEXT, 0, "The name of the label");
  } else if (Has(action, "Repeats")) {
    r.NumberOr("Number of Runs", FIELD_TEXT, "Repeat Forever", -1, "How many times the whole script runs");
  } else if (Has(action, "Exit")) {
    r.Number("Return Code", FIELD_TEXT, "The exit code the run ends with");
  }
  return false;
}

bool IfRows(RowList& r, std::string_view action) {
  switch (ClassifyIf(action)) {
    case IfCondition::Expression: r.Multi("Expression", FIELD_TEXT, "The condition, such as \"%foo < 3\""); break;
    case IfCondition::FileExists: r.Text("File Name", FIELD_TEXT, TOOL_FILE, "The file that must exist"); break;
    case IfCondition::FolderExists: r.Text("Folder", FIELD_TEXT, TOOL_FOLDER, "The folder that must exist"); break;
    case IfCondition::WindowExists:
    case IfCondition::ControlChecked:
      if (Has(action, "Control"))
        r.Text("Control Text", FIELD_TEXT, TOOL_WINDOW_FINDER, "The text of the control");
      else
        r.Text("Window Title", FIELD_TEXT, TOOL_WINDOW_FINDER, "The title (or the start of the title) of the window");
      break;
    case IfCondition::PixelOrImage: SearchRows(r, Has(action, "Pixel")); break;
    case IfCondition::ClipboardEquals: r.Multi("Clipboard Text", FIELD_TEXT, "The text the clipboard must hold"); break;
    default: break;
  }
  return false;
}

bool SystemRows(RowList& r, std::string_view action) {
  auto variable_name = [&r] {
    r.Text("Variable Name", FIELD_OUTPUT_VALUE, 0, "The variable, written with a leading %");
  };
  if (EqualsNoCase(action, "Comment")) {
    r.Multi("Text", FIELD_TEXT, "The text of the comment");
  } else if (Has(action, "Environment")) {
    variable_name();
    r.Multi("Set to Value", FIELD_TEXT, "The value (empty removes the variable)");
  } else if (Has(action, "Variable")) {
    variable_name();
    if (Has(action, "Set")) r.Multi("Set to Value", FIELD_TEXT, "The value given to the variable");
  } else if (Has(action, "Step Delay")) {
    r.Number("Milliseconds", FIELD_TEXT,
             "Number of milliseconds between each step (1000 milliseconds = 1 second).  Use no delay (0) for "
             "fastest execution");
  } else if (Has(action, "Write to Log")) {
    r.Multi("Write to Log", FIELD_TEXT, "The text written to the run log");
  } else if (Has(action, "Set Clipboard")) {
    r.Multi("Set Clipboard Text", FIELD_TEXT, "The text put on the clipboard");
  } else if (Has(action, "Image Capture")) {
    r.Text("Save to File", FIELD_TEXT, TOOL_FILE | TOOL_PREVIEW, "The bitmap file the image is saved to");
  } else if (Has(action, "Video")) {
    r.List("Video Mode", FIELD_TEXT, kVideoModeChoices, TOOL_VIDEO_MODES, "The colour depth of the display");
  } else if (Has(action, "Registry")) {
    r.Text("Key Name", ValueField(1), 0, "The registry key and value, such as HKEY_CURRENT_USER\\SOFTWARE\\Name");
    if (Has(action, "Write")) r.Multi("Value to Write", FIELD_TEXT, "The data written to the value");
    if (Has(action, "Copy")) r.Text("Destination Key", FIELD_TEXT, 0, "The key the copy goes to");
    return Has(action, "Read");
  }
  return false;
}

bool FunctionRows(RowList& r, std::string_view action) {
  const FunctionKind kind = FunctionKindOf(action);
  if (kind == FunctionKind::Random) {
    r.Number("Minimum", ValueField(1));
    r.Number("Maximum", ValueField(2));
    return true;
  }
  r.Multi(kind == FunctionKind::Calc ? "Math Formula" : "Text/Variable", FIELD_TEXT,
          "The text to work on, usually a variable such as %foo");
  switch (kind) {
    case FunctionKind::Trim:
      r.Text("Text to Trim", ValueField(1));
      r.List("Trim From", ValueField(2), "Front;End");
      break;
    case FunctionKind::Replace:
      r.Text("Search Text", ValueField(1));
      r.Text("Replace With", ValueField(2));
      r.Check("Case Sensitive", "Case Sensitive");
      r.Check("Replace First Only", "First Only");
      break;
    case FunctionKind::Insert:
      r.Number("Position", ValueField(1));
      r.Text("Insert Text", ValueField(2));
      break;
    case FunctionKind::SubText:
      r.Text("Delimiter", ValueField(1));
      r.Number("Which Item", ValueField(2));
      r.Check("Case Sensitive", "Case Sensitive");
      r.Check("Allow Quotes", "Quotes");
      break;
    case FunctionKind::Count: r.Text("Text to Count", ValueField(1)); break;
    case FunctionKind::Find:
      r.Text("Text to Search For", ValueField(1));
      r.Check("Case Sensitive", "Case Sensitive");
      break;
    case FunctionKind::Pad:
      r.Number("Pad to Length", ValueField(1));
      r.Text("Pad with String", ValueField(2));
      break;
    case FunctionKind::Mid:
      r.Number("Length", ValueField(1));
      r.Number("Start Position", ValueField(2));
      break;
    case FunctionKind::Left:
    case FunctionKind::Right: r.Number("Length", ValueField(1)); break;
    case FunctionKind::Format: r.Text("Format String", ValueField(1), 0, "Such as %.2f"); break;
    case FunctionKind::Crypt: r.Text("XOR Key", ValueField(1)); break;
    default: break;
  }
  return true;
}

bool ExternalRows(RowList& r, std::string_view action) {
  if (Has(action, "Win32")) {
    r.Multi("Win32 Function", FIELD_TEXT, "The function call, such as MessageBox( 0, \"text\", \"title\", MB_OK )");
    return true;
  }
  if (Has(action, "DLL")) {
    r.Multi("Function Name", FIELD_TEXT, "The function call, such as MyFunction( \"some text\", 1 )");
    r.Text("DLL Module", ValueField(1), TOOL_FILE, "The library that holds the function");
    return true;
  }
  r.Text("Command ID", FIELD_TEXT, 0, "The command number posted to the current window");
  return false;
}

bool CategoryRows(RowList& r, const StepRecord& step) {
  const std::string_view action = step.action.view();
  switch (step.category) {
    case CAT_RUN_PROGRAM: return RunProgramRows(r, action);
    case CAT_WINDOWS: return WindowRows(r, action);
    case CAT_KEYBOARD: return KeyboardRows(r, action);
    case CAT_MENU: return MenuRows(r, action);
    case CAT_MOUSE: return MouseRows(r, action);
    case CAT_WAIT: return WaitRows(r, action);
    case CAT_USER_PROMPT: return PromptRows(r, action);
    case CAT_RECORDINGS:
      r.Add("Record Actions", ValueField(2), KIND_RECORD, 0, "Records mouse and keyboard input into this step");
      return false;
    case CAT_FILES: return FileRows(r, action);
    case CAT_INTERNET: return InternetRows(r, action);
    case CAT_DATABASE: return DatabaseRows(r, action);
    case CAT_FLOW: return FlowRows(r, action);
    case CAT_IF: return IfRows(r, action);
    case CAT_SYSTEM: return SystemRows(r, action);
    case CAT_FUNCTIONS: return FunctionRows(r, action);
    case CAT_EXTERNAL: return ExternalRows(r, action);
    default: return false;
  }
}

}  // namespace

bool HasFailureRows(const StepRecord& step) {
  return step.category != CAT_IF && !EqualsNoCase(step.action.view(), "Comment");
}

bool ClearFailureFields(StepRecord& step) {
  const bool held = !step.onfail.empty() || !step.onfail_value.empty() || step.onfail_image || step.onfail_log;
  step.onfail.clear();
  step.onfail_value.clear();
  step.onfail_image = 0;
  step.onfail_log = 0;
  return held;
}

PropertySheet BuildPropertyRows(const StepRecord& step, std::string_view log_file) {
  PropertySheet sheet;
  if (step.category < kFirstActionCategory || step.category > kLastActionCategory) return sheet;
  sheet.help_topic = FindCategory(step.category)->help_topic;
  RowList r(sheet);
  if (CategoryRows(r, step)) {
    r.List("Save Output To", FIELD_OUTPUT, kSaveOutputChoices, 0,
           "Where to save the output from the action. This is only available for actions that have results");
    r.Text("", FIELD_OUTPUT_VALUE, TOOL_FILE,
           "Additional information for saved output.  The type of data depends on the \"Save Output To\" "
           "selection");
  }
  r.Multi("Comment", FIELD_COMMENT, "Notes for internal reference");
  if (HasFailureRows(step)) {
    r.List("On Failure", FIELD_ONFAIL, kFailureModeChoices, 0, "Action to take when the command is not successful");
    r.Text("", FIELD_ONFAIL_VALUE, 0,
           "Additional information used when errors occur.  The type of data depends on the \"On Failure\" "
           "selection");
    const std::string log(log_file);
    r.Add("On Failure: Write to Log", FIELD_ONFAIL_LOG, KIND_CHECK, 0,
          PrintfText("Write the failure to the log file (%s)", log.c_str()));
    r.Add("On Failure: Screenshot", FIELD_ONFAIL_IMAGE, KIND_CHECK, 0,
          PrintfText("Save an image of the screen beside the log file (%s) when the step fails", log.c_str()));
  }
  r.End();
  return sheet;
}

std::vector<std::string_view> ListItems(std::string_view word) {
  std::vector<std::string_view> items;
  while (!word.empty()) {
    const std::size_t semi = word.find(';');
    items.push_back(word.substr(0, semi));
    if (semi == std::string_view::npos) break;
    word.remove_prefix(semi + 1);
  }
  return items;
}

}  // namespace zelo
