#pragma once
// The painter's undo ring: 64 black-and-white images of the picture's size
// with the oldest stored entry O, one past the newest T and the current
// position C, all counted modulo 64. It also keeps whether "Rückgängig"
// and "Wiederherstellen" are enabled, which follows the ring's own rules.
// Entries are kept at one bit per pixel (the painter's picture holds only
// black and white), so 64 of the largest graphic take 8 MB.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Bitmap.h"

namespace editor {

class UndoRing {
 public:
  static constexpr int kEntries = 64;

  // The 64 entries for pictures of width x height, white; O = T = C = 0,
  // both buttons disabled. False when the memory cannot be had: the ring is
  // then off and every other call does nothing.
  bool Create(int width, int height);
  void Release();
  bool On() const { return on_; }

  // Entry C := the image, C + 1; T := C; when T reaches O the oldest entry
  // is dropped. Enables "Rückgängig", disables "Wiederherstellen". False
  // while the ring is off.
  bool Push(const platform::Bitmap& image);
  // One step back; when the image shown is not stored yet (C = T) it is
  // stored first, so that "Wiederherstellen" can return to it. False when
  // there is nothing to step back to.
  bool Undo(platform::Bitmap& image);
  // One step forward; false at the newest image.
  bool Redo(platform::Bitmap& image);
  // The entry stored last (index T - 1), read into `image`.
  bool ReadNewest(platform::Bitmap& image) const;

  bool UndoEnabled() const { return undoEnabled_; }
  bool RedoEnabled() const { return redoEnabled_; }
  int Oldest() const { return oldest_; }
  int Top() const { return top_; }
  int Current() const { return current_; }

 private:
  static int Wrap(int i) { return i & (kEntries - 1); }
  void Store(int index, const platform::Bitmap& image);
  void Load(int index, platform::Bitmap& image) const;

  bool on_ = false;
  int width_ = 0, height_ = 0;
  std::array<std::vector<std::uint8_t>, kEntries> entries_;
  int oldest_ = 0, top_ = 0, current_ = 0;
  bool undoEnabled_ = false, redoEnabled_ = false;
};

}  // namespace editor
