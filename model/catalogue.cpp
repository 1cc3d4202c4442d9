#include "model/catalogue.h"

#include "base/text.h"

namespace zelo {

namespace {

const CategoryInfo kCategories[kCategoryCount] = {
    {1, "Favorites", "::/intro.htm"},
    {2, "Run Program", "::/action_run.htm"},
    {3, "Windows/Controls", "::/action_windows.htm"},
    {4, "Keyboard", "::/action_keyboard.htm"},
    {5, "Menu", "::/action_mi.htm"},
    {6, "Mouse", "::/action_mouse.htm"},
    {7, "Wait", "::/action_wait.htm"},
    {8, "User Prompt", "::/action_msg.htm"},
    {9, "Recordings", "::/action_record.htm"},
    {10, "Files/Folders", "::/action_files.htm"},
    {11, "Internet", "::/action_internet.htm"},
    {12, "Database", "::/action_database.htm"},
    {13, "Loops / Flow", "::/action_flow.htm"},
    {14, "IF", "::/action_if.htm"},
    {15, "System", "::/action_system.htm"},
    {16, "Functions", "::/action_functions.htm"},
    {17, "External Functions", "::/action_external.htm"},
    {18, "SCHEDULING", nullptr},
};

// Name, category of the step, tree folder, icon. Icons are image-list indexes
// in tree order; "Call Script" shares the call-script icon 4.
const CatalogueEntry kEntries[] = {
    // 2
    {"Start", 2, 2, 0},
    {"Start and Wait for Program to Exit", 2, 2, 1},
    {"Start Hidden", 2, 2, 2},
    {"Kill Process", 2, 2, 3},
    {"Launch Document", 2, 2, 4},
    {"MS-DOS Command", 2, 2, 5},
    {"Control Panel: System", 2, 2, 6},
    {"Start Service", 2, 2, 7},
    {"Stop Service", 2, 2, 8},
    {"Service Startup Type", 2, 2, 9},
    {"Call Script", 2, 2, 4},
    // 3
    {"Activate", 3, 3, 10},
    {"Press Button/Control", 3, 3, 11},
    {"Get Text", 3, 3, 12},
    {"Move Window", 3, 3, 13},
    {"Resize", 3, 3, 14},
    {"Maximize", 3, 3, 15},
    {"Minimize/Restore", 3, 3, 16},
    {"Close Window", 3, 3, 17},
    {"Set Window Style", 3, 3, 18},
    {"Minimize all Windows", 3, 3, 19},
    {"Close all Windows", 3, 3, 20},
    // 4
    {"Type", 4, 4, 21},
    {"Buffered Virtual Keys", 4, 4, 22},
    {"Text via Clipboard", 4, 4, 23},
    {"Direct Window Entry", 4, 4, 24},
    {"Block Input", 4, 4, 25},
    {"Unblock Input", 4, 4, 26},
    // 5
    {"Select Menu Item", 5, 5, 27},
    {"Select System Menu", 5, 5, 28},
    {"Show Popup Menu", 5, 5, 29},
    // 6
    {"Move", 6, 6, 30},
    {"Move Relative", 6, 6, 31},
    {"Move to Control", 6, 6, 32},
    {"Move to Window", 6, 6, 33},
    {"Move to Image", 6, 6, 34},
    {"Move to Masked Image", 6, 6, 35},
    {"Left Button Click", 6, 6, 36},
    {"Right Button Click", 6, 6, 37},
    {"Left Button Double-Click", 6, 6, 38},
    {"Left Button Down + Hold", 6, 6, 39},
    {"Left Button Up", 6, 6, 40},
    {"Mouse Wheel Up", 6, 6, 41},
    {"Mouse Wheel Down", 6, 6, 42},
    {"Click on Image", 6, 6, 43},
    {"Click on Masked Image", 6, 6, 44},
    {"Save Current Position", 6, 6, 45},
    {"Return to Saved Position", 6, 6, 46},
    // 7
    {"Delay", 7, 7, 47},
    {"Wait for Keypress", 7, 7, 48},
    {"Wait for Mouse Click", 7, 7, 49},
    {"Wait for Mouse Movement", 7, 7, 50},
    {"Wait for Pixel", 7, 7, 51},
    {"Wait for Image to Appear", 7, 7, 52},
    {"Wait for Masked Image", 7, 7, 53},
    {"Wait for Window to Appear", 7, 7, 54},
    {"Wait for Window to Disappear", 7, 7, 55},
    {"Wait for File to Exist", 7, 7, 56},
    // 8
    {"Display Message", 8, 8, 57},
    {"Display Warning", 8, 8, 58},
    {"Status Popup", 8, 8, 59},
    {"Progress Bar Popup", 8, 8, 60},
    {"Tool Tip Popup", 8, 8, 61},
    {"Balloon Popup", 8, 8, 62},
    {"Display Image", 8, 8, 63},
    {"Ask Yes/No Question", 8, 8, 64},
    {"Input Value", 8, 8, 65},
    {"Login Prompt", 8, 8, 66},
    {"Choose from a List", 8, 8, 67},
    {"Choose a File", 8, 8, 68},
    {"Choose a Folder", 8, 8, 69},
    {"Custom Message Box", 8, 8, 70},
    // 9
    {"Recording", 9, 9, 71},
    // 10
    {"Read File", 10, 10, 72},
    {"Read File Line", 10, 10, 73},
    {"Count File Lines", 10, 10, 74},
    {"Write/Create File", 10, 10, 75},
    {"Copy File", 10, 10, 76},
    {"Move/Rename File", 10, 10, 77},
    {"Delete File", 10, 10, 78},
    {"Change File Size", 10, 10, 79},
    {"Create Folder", 10, 10, 80},
    {"Copy Folder", 10, 10, 81},
    {"Move/Rename Folder", 10, 10, 82},
    {"Delete Folder", 10, 10, 83},
    {"Set Current Directory", 10, 10, 84},
    {"Set File Association", 10, 10, 85},
    {"Map Drive", 10, 10, 86},
    {"Map Drive Prompt", 10, 10, 87},
    // 11
    {"Start Browser", 2, 11, 88},
    {"Start Email", 2, 11, 89},
    {"Open a Web Page", 11, 11, 90},
    {"Save Web Page Text", 11, 11, 91},
    {"Save Web Page HTML", 11, 11, 92},
    {"Download", 11, 11, 93},
    {"HTTP Post", 11, 11, 94},
    {"Check Email: POP3", 11, 11, 95},
    {"Delete Email: POP3", 11, 11, 96},
    {"Send Email: SMTP", 11, 11, 97},
    {"Send Email: MAPI", 11, 11, 98},
    {"Send Email: \"mailto\"", 11, 11, 99},
    {"FTP Download", 11, 11, 100},
    {"FTP Upload", 11, 11, 101},
    {"FTP Delete File", 11, 11, 102},
    {"FTP Create Folder", 11, 11, 103},
    {"FTP Delete Folder", 11, 11, 104},
    {"Ping IP Address", 11, 11, 105},
    // 12
    {"Execute SQL Query", 12, 12, 106},
    // 13
    {"Start 'For' Loop", 13, 13, 107},
    {"Start 'While' Loop", 13, 13, 108},
    {"Start Files Loop", 13, 13, 109},
    {"Start File Line Loop", 13, 13, 110},
    {"Start Windows Loop", 13, 13, 111},
    {"Start Dataset Loop", 13, 13, 112},
    {"Break out of Loop", 13, 13, 113},
    {"NEXT LOOP", 13, 13, 114},
    {"Label", 13, 13, 115},
    {"Goto Label", 13, 13, 116},
    {"Set Run Repeats", 13, 13, 117},
    {"Exit Run", 13, 13, 118},
    {"Exit Zelomat", 13, 13, 119},
    // 14
    {"IF Expression", 14, 14, 120},
    {"IF File Exists", 14, 14, 121},
    {"IF Folder Exists", 14, 14, 122},
    {"IF Window Exists", 14, 14, 123},
    {"IF Control Exists", 14, 14, 124},
    {"IF Control Is Checked", 14, 14, 125},
    {"IF Caps Lock is On", 14, 14, 126},
    {"IF Pixel is Visible", 14, 14, 127},
    {"IF Image is Visible", 14, 14, 128},
    {"IF Masked Image is Visible", 14, 14, 129},
    {"IF Clipboard Equals", 14, 14, 130},
    {"ELSE", 14, 14, 131},
    {"END IF", 14, 14, 132},
    // 15
    {"Comment", 15, 15, 133},
    {"Create/Set Variable", 15, 15, 134},
    {"Increment Variable", 15, 15, 135},
    {"Decrement Variable", 15, 15, 136},
    {"Set Environment Variable", 15, 15, 137},
    {"Set Step Delay", 15, 15, 138},
    {"Write to Log", 15, 15, 139},
    {"Set Clipboard Text", 15, 15, 140},
    {"Paste Clipboard", 15, 15, 141},
    {"Clear Clipboard", 15, 15, 142},
    {"Screen Image Capture", 15, 15, 143},
    {"Window Image Capture", 15, 15, 144},
    {"Video Display Mode", 15, 15, 145},
    {"Disable Screen Saver", 15, 15, 146},
    {"Enable Screen Saver", 15, 15, 147},
    {"Read Registry", 15, 15, 148},
    {"Write Registry", 15, 15, 149},
    {"Copy Registry", 15, 15, 150},
    {"Delete Registry", 15, 15, 151},
    {"Logoff", 15, 15, 152},
    {"Restart", 15, 15, 153},
    {"Shutdown", 15, 15, 154},
    // 16
    {"Get Length", 16, 16, 155},
    {"Uppercase", 16, 16, 156},
    {"Lowercase", 16, 16, 157},
    {"Trim", 16, 16, 158},
    {"Replace Text", 16, 16, 159},
    {"Insert Text", 16, 16, 160},
    {"Get Sub Text", 16, 16, 161},
    {"Count Items", 16, 16, 162},
    {"Find String", 16, 16, 163},
    {"Pad String", 16, 16, 164},
    {"Left String", 16, 16, 165},
    {"Right String", 16, 16, 166},
    {"Mid String", 16, 16, 167},
    {"Encrypt/Decrypt Text", 16, 16, 168},
    {"Format Number", 16, 16, 169},
    {"Number to Words", 16, 16, 170},
    {"Absolute Value", 16, 16, 171},
    {"Random Number", 16, 16, 172},
    {"Math Calculation", 16, 16, 173},
    // 17
    {"Win32 API", 17, 17, 174},
    {"Call DLL Function", 17, 17, 175},
    {"Post WM_COMMAND", 17, 17, 176},
};

}  // namespace

const CategoryInfo* FindCategory(int number) {
  if (number < 1 || number > kCategoryCount) return nullptr;
  return &kCategories[number - 1];
}

const CatalogueEntry* CatalogueEntries(std::size_t* count) {
  if (count) *count = sizeof kEntries / sizeof kEntries[0];
  return kEntries;
}

const CatalogueEntry* FindCatalogueEntry(std::string_view action) {
  for (const CatalogueEntry& e : kEntries)
    if (EqualsNoCase(e.name, action)) return &e;
  return nullptr;
}

}  // namespace zelo
