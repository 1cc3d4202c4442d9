// Find and Go to Step over the current script: which row the search lands
// on, what the user is told when it lands nowhere, and the row a typed step
// number means.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/workspace.h"

namespace zelo {

// The find text is kept (and searched) with at most this many characters.
inline constexpr std::size_t kMaxFindText = 64;
inline constexpr char kEmptyScriptMessage[] = "The file is empty.\n\nPlease add commands before using this feature.";

enum class SearchDirection { Down, Up };

// The first step, going from the row after (Down) or before (Up) `from`
// towards the script's end (start), whose action, text, comment, failure
// mode, failure value or output value contains the find text, ignoring case.
// `from` -1 starts at the first (Down) or the last (Up) step. -1 when none.
int FindStepRow(const ScriptSlot& slot, std::string_view find_text, int from, SearchDirection direction);

// The find command on the current script: starts beside the first selected
// row, selects the match through the seam, or tells the user why there is
// none. Returns the row found, or -1.
int FindInScript(Workspace& ws, std::string_view find_text, SearchDirection direction,
                 const std::vector<int>& selection);

// The find text kept between finds and program runs ("Find"; a number
// stored there by the start-up defaults is no text).
std::string StoredFindText();
void StoreFindText(std::string_view text);
// The direction the find box offers ("FindDirection": 1 up, else down).
SearchDirection StoredFindDirection();
void StoreFindDirection(SearchDirection direction);

// A typed step number: blanks around an optionally signed decimal number.
// Anything else (empty, letters, "1.5") is no number.
std::optional<long long> ParseStepNumber(std::string_view input);
// The row of step `number` (from 1), kept inside a script of step_count
// steps: 0 or less is the first row, past the end the last. -1 for an
// empty script.
int StepNumberRow(long long number, int step_count);
// "Go to Step": selects the step the input names. An empty script is
// reported, an input that is no number only beeps. Returns the row or -1.
int GoToStep(Workspace& ws, std::string_view input);

}  // namespace zelo
