// The script file: steps as XML text, written in a fixed layout and read back
// by plain case-insensitive text search. The same step form travels through
// the clipboard, the report and compiled programs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/workspace.h"

namespace zelo {

// Writes the steps of the current slot (rows == nullptr: all; else those rows)
// as step XML into out. with_results adds <last_run>; length_limit > 0 cuts
// long texts and leaves recordings out. Returns the number of step blocks.
int WriteStepsXml(Workspace& ws, const std::vector<int>* rows, bool with_results, int length_limit,
                  std::string& out);
// Saves the slot to its file; on failure *error receives the system's text.
bool SaveScriptFile(Workspace& ws, int slot, std::string* error);
// Loads a file into a slot; returns the number of steps loaded.
int LoadScriptFile(Workspace& ws, std::string_view file_name, int slot);
// Reads step blocks from text into the current slot: appended when insert_at
// is -1, else inserted there one by one. Returns the number of steps added.
int ReadStepsXml(Workspace& ws, std::string_view text, int insert_at);

// Entity handling of step texts.
std::string EncodeXml(std::string_view text);
std::string DecodeXml(std::string_view text);

}  // namespace zelo
