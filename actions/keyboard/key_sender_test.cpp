#include "actions/keyboard/key_sender.h"

#include <gtest/gtest.h>

#include <string>

namespace zelo {
namespace {

// Takes events until its capacity is used up, as a system that refuses input
// part-way through a batch does; logs each batch and pause.
class FakeKeySender : public KeySender {
 public:
  explicit FakeKeySender(std::size_t capacity = SIZE_MAX) : capacity_(capacity) {}
  bool Send(const KeyEvent* events, std::size_t count) override {
    log += "[";
    std::size_t i = 0;
    for (; i < count && taken_ < capacity_; ++i, ++taken_)
      log += (i ? " " : "") + std::to_string(events[i].code) + (events[i].up ? "-" : "+");
    log += "]";
    return i == count;
  }
  void Pause(int32_t ms) override { log += "p" + std::to_string(ms); }
  std::string log;

 private:
  std::size_t capacity_;
  std::size_t taken_ = 0;
};

TEST(KeySender, PausesSplitTheSequenceIntoBatchesAndARefusalStopsIt) {
  KeySequence seq;
  ParseKeySequence("A{Delay 20}{Delay 5}b", true, &seq);
  FakeKeySender all;
  EXPECT_TRUE(PlayKeySequence(all, seq));
  EXPECT_EQ(all.log, "[16+ 65+ 65- 16-]p20p5[66+ 66-]");

  FakeKeySender refusing(3);
  EXPECT_FALSE(PlayKeySequence(refusing, seq));
  EXPECT_EQ(refusing.log, "[16+ 65+ 65-]");

  FakeKeySender keys;
  EXPECT_TRUE(SendKey(keys, 'V', true, 1));
  EXPECT_TRUE(SendKey(keys, 0, false, 1));
  EXPECT_TRUE(SendKey(keys, 'V', true, 2));
  EXPECT_EQ(keys.log, "[16+ 86+][86- 16-]");
}

}  // namespace
}  // namespace zelo
