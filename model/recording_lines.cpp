#include "model/recording_lines.h"

#include <cstdio>
#include <cstring>

#include "base/text.h"

namespace zelo {

namespace {

// Reads one number of an event text from *pos and moves past its separator.
int32_t NextNumber(std::string_view text, std::size_t* pos) {
  std::size_t start = *pos;
  if (start >= text.size()) return 0;
  std::size_t digits_from = start;
  if (text[start] == '-') ++digits_from;  // a sign, not a separator
  std::size_t end = text.find('-', digits_from);
  if (end == std::string_view::npos) end = text.size();
  *pos = end < text.size() ? end + 1 : end;
  return TextToInt(text.substr(start, end - start));
}

}  // namespace

void AppendRecordingLines(const RecordedEvent* events, std::size_t count, std::string& out) {
  char line[80];
  for (std::size_t i = 0; i < count; ++i) {
    const RecordedEvent& e = events[i];
    int n = std::snprintf(line, sizeof line, "\t[%04d-%04d-%04d-%08li]\t\r\n", static_cast<int>(e.message),
                          static_cast<int>(e.param_h), static_cast<int>(e.param_l), static_cast<long>(e.time));
    out.append(line, static_cast<std::size_t>(n));
  }
}

EventList ParseRecordingLines(std::string_view content) {
  EventList events;
  std::size_t brackets = 0;
  for (char c : content) brackets += c == '[';
  events.reserve(brackets);
  std::size_t at = 0;
  std::size_t close = 0;  // the "]" that ends the event being read
  while (true) {
    const void* open = at < content.size() ? std::memchr(content.data() + at, '[', content.size() - at) : nullptr;
    if (!open) break;
    const std::size_t start = static_cast<std::size_t>(static_cast<const char*>(open) - content.data()) + 1;
    if (close < start) {
      close = content.find(']', start);
      if (close == std::string_view::npos) close = content.size();
    }
    // A "[" before the "]" starts the next event; ending this one there keeps
    // every byte read once, however the brackets are nested.
    std::size_t end = content.find('[', start);
    if (end == std::string_view::npos || end > close) end = close;
    const std::string_view text = content.substr(start, end - start);

    RecordedEvent e;
    std::size_t pos = 0;
    e.message = NextNumber(text, &pos);
    e.param_h = NextNumber(text, &pos);
    e.param_l = NextNumber(text, &pos);
    e.time = NextNumber(text, &pos);
    e.window = 0;
    events.push_back(e);
    at = start;
  }
  return events;
}

}  // namespace zelo
