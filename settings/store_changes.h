// How a cached settings store learns that the stored values may have changed
// behind its back: another instance of the program, the scheduler or a
// registry editor writing the program's key.
#pragma once

#include <cstdint>

namespace zelo {

class StoreChanges {
 public:
  virtual ~StoreChanges() = default;
  // A number that moves whenever the watched part of the store may have been
  // changed by anyone, this program included, since it was last read. Read
  // for every cached read, so it must cost no system call. A watch that
  // cannot be kept gives a new number on every call, so nothing is kept.
  virtual uint64_t Count() = 0;
  // Called after each of this program's own writes, so that other programs
  // that keep values see the change at their next read.
  virtual void NoteOwnWrite() = 0;
};

}  // namespace zelo
