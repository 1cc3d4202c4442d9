// The script file: steps as XML text, written in a fixed layout and read back
// by plain case-insensitive text search. The same step form travels through
// the clipboard, the report and compiled programs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/workspace.h"
#include "model/xml_entities.h"
#include "model/xml_tags.h"

namespace zelo {

// Writes the steps of the current slot (rows == nullptr: all; else those rows)
// as step XML into out, replacing what it held. with_results adds <last_run>;
// length_limit > 0 cuts long texts and leaves recordings out. Writing stops at
// a step whose category is above 17. Returns the number of step blocks.
int WriteStepsXml(Workspace& ws, const std::vector<int>* rows, bool with_results, int length_limit,
                  std::string& out);
// The same for any slot.
int WriteSlotStepsXml(Workspace& ws, const ScriptSlot& slot, const std::vector<int>* rows, bool with_results,
                      int length_limit, std::string& out);
// The whole file of a slot: declaration, custom XML tags, root and steps.
std::string ScriptFileText(Workspace& ws, int slot);

// Saves the slot to its file; on failure *error receives the system's text
// and the status bar tells which stage failed. *bytes gets the file's size.
// The previous file stays untouched until the new one is completely written.
bool SaveScriptFile(Workspace& ws, int slot, std::string* error, long* bytes = nullptr);
// Loads a file into a slot (which becomes current); returns the number of
// steps loaded. *file_bytes gets the file's size.
int LoadScriptFile(Workspace& ws, std::string_view file_name, int slot, long* file_bytes = nullptr);
// Reads step blocks from text into the current slot: appended when insert_at
// is -1, else inserted there one by one. Returns the number of steps added.
int ReadStepsXml(Workspace& ws, std::string_view text, int insert_at);

}  // namespace zelo
