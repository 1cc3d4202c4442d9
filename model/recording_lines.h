// The file form of a recorded event list: one line per journal event with its
// message code, high parameter, low parameter and time.
#pragma once

#include <string>
#include <string_view>

#include "model/recording_table.h"

namespace zelo {

// Appends "\t[%04d-%04d-%04d-%08li]\t\r\n" for each event (the window is not kept).
void AppendRecordingLines(const RecordedEvent* events, std::size_t count, std::string& out);

// Reads the events of a <recording> content: each "[" starts an event whose
// text up to "]" holds the four numbers separated by "-". A "-" at the start
// of a number (directly after "[" or after a separating "-") is its sign, so
// negative coordinates read back as written. Missing numbers read as 0; the
// window is always 0.
EventList ParseRecordingLines(std::string_view content);

}  // namespace zelo
