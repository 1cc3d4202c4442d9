// The editor's two small question boxes: a line of text ("Go to Step") and
// the find box with its direction.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/dialogs/find_steps.h"

namespace zelo {

// A box titled `title` with the prompt, an edit field holding `initial`
// (selected) and OK/Cancel. The typed text, or nothing when cancelled.
std::optional<std::string> AskText(HWND owner, std::string_view title, std::string_view prompt,
                                   std::string_view initial, std::size_t max_chars);

struct FindRequest {
  std::string text;
  SearchDirection direction = SearchDirection::Down;
};
// The find box; nothing when cancelled or left empty.
std::optional<FindRequest> AskFind(HWND owner, const FindRequest& initial);

}  // namespace zelo
