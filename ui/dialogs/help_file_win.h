// The help file "Help.chm" beside the program, whole or at one topic.
#pragma once

#include <windows.h>

#include <string_view>

namespace zelo {

// Opens the help file at the topic ("::/action_run.htm"), or at its start
// for an empty topic; tells the user when the file is missing.
void OpenHelpTopic(HWND owner, std::string_view topic);

}  // namespace zelo
