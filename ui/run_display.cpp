#include "ui/run_display.h"

namespace zelo {

void RunDisplay::AddLine(std::string_view text) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (max_lines_ == 0) return;
  if (lines_.size() == max_lines_) {
    lines_.pop_front();
    dropped_ = true;
  }
  lines_.emplace_back(text);
}

void RunDisplay::SetStatus(int part, std::string_view text) {
  if (part < 0 || part >= kStatusParts) return;
  std::lock_guard<std::mutex> lock(mutex_);
  status_[static_cast<std::size_t>(part)] = std::string(text);
}

void RunDisplay::FollowStep(int slot, int index) {
  std::lock_guard<std::mutex> lock(mutex_);
  slot_ = slot;
  step_ = index;
}

RunDisplay::Shown RunDisplay::Take() {
  Shown shown;
  std::lock_guard<std::mutex> lock(mutex_);
  std::size_t size = 0;
  for (const std::string& line : lines_) size += line.size();
  shown.lines.reserve(size);
  for (const std::string& line : lines_) shown.lines += line;
  lines_.clear();
  shown.replace_all = dropped_;
  dropped_ = false;
  shown.status.swap(status_);
  shown.slot = slot_;
  shown.step = step_;
  slot_ = step_ = -1;
  return shown;
}

}  // namespace zelo
