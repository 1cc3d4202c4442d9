// Key-sequence parsing: Type step texts of about 2 KB (words, key names in
// braces, down and up tokens, delays, line breaks, a few bytes above 127),
// 64 MB in all, parsed into the event list a Type step sends, with tokens on
// and off. Reports megabytes per second; the baseline is one plain pass over
// the same bytes that looks at each of them (counting braces), so the ratio
// says how many such passes a parse costs.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "actions/keyboard/key_events.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

std::vector<std::string> MakeTexts(std::size_t total_bytes) {
  static const char* const kPieces[] = {
      "Dear Mr. Smith, ", "thank you for your order #4711 ", "{tab}", "{enter}", "{ctrldown}s{ctrlup}",
      "{Delay 250}",      "{shift}",  "{F5}",        "caf\xE9 ",  "{Left}{Left}", "{space 2}", "(see {page 3})",
      "user@example.com", "\r\n",     "{Alt}f",      "C:\\Data\\report.txt ", "{Browser Back}", "100%r%n",
  };
  const std::size_t n = sizeof kPieces / sizeof kPieces[0];
  std::vector<std::string> texts;
  std::size_t bytes = 0;
  uint32_t seed = 12345;
  while (bytes < total_bytes) {
    std::string text;
    while (text.size() < 2048) {
      seed = seed * 1103515245u + 12345u;
      text += kPieces[(seed >> 16) % n];
    }
    bytes += text.size();
    texts.push_back(std::move(text));
  }
  return texts;
}

}  // namespace

int main() {
  const std::vector<std::string> texts = MakeTexts(64u << 20);
  std::size_t bytes = 0;
  for (const std::string& t : texts) bytes += t.size();
  const double mb = static_cast<double>(bytes) / 1e6;

  auto t0 = Clock::now();
  std::size_t braces = 0;
  for (const std::string& t : texts)
    for (char c : t) braces += c == '{';
  const double baseline = Seconds(t0, Clock::now());

  zelo::KeySequence seq;
  std::size_t events = 0;
  long keystrokes = 0;
  t0 = Clock::now();
  for (const std::string& t : texts) {
    zelo::ParseKeySequence(t, true, &seq);
    events += seq.events.size();
    keystrokes += seq.keystrokes;
  }
  const double parse = Seconds(t0, Clock::now());

  t0 = Clock::now();
  std::size_t plain_events = 0;
  for (const std::string& t : texts) {
    zelo::ParseKeySequence(t, false, &seq);
    plain_events += seq.events.size();
  }
  const double plain = Seconds(t0, Clock::now());

  std::printf("key sequences: %.1f MB in %zu texts (%zu braces)\n", mb, texts.size(), braces);
  std::printf("  baseline, one pass over the bytes: %8.1f MB/s\n", mb / baseline);
  std::printf("  parse with tokens:                 %8.1f MB/s  (%.1fx baseline; %zu events, %ld keystrokes)\n",
              mb / parse, parse / baseline, events, keystrokes);
  std::printf("  parse without tokens:              %8.1f MB/s  (%.1fx baseline; %zu events)\n", mb / plain,
              plain / baseline, plain_events);
  return 0;
}
