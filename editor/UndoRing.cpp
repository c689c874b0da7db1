#include "editor/UndoRing.h"

#include <new>

namespace editor {

bool UndoRing::Create(int width, int height) {
  Release();
  if (width <= 0 || height <= 0) return false;
  const std::size_t bytes = (static_cast<std::size_t>(width) * static_cast<std::size_t>(height) + 7) / 8;
  try {
    for (auto& entry : entries_) entry.assign(bytes, 0);  // 0: white
  } catch (const std::bad_alloc&) {
    Release();
    return false;
  }
  width_ = width;
  height_ = height;
  on_ = true;
  return true;
}

void UndoRing::Release() {
  for (auto& entry : entries_) std::vector<std::uint8_t>().swap(entry);
  on_ = false;
  width_ = height_ = 0;
  oldest_ = top_ = current_ = 0;
  undoEnabled_ = redoEnabled_ = false;
}

void UndoRing::Store(int index, const platform::Bitmap& image) {
  std::vector<std::uint8_t>& bits = entries_[static_cast<std::size_t>(index)];
  std::size_t i = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x, ++i) {
      const std::uint8_t mask = static_cast<std::uint8_t>(1u << (i % 8));
      if (image.Pixel(x, y) == platform::kWhite)
        bits[i / 8] &= static_cast<std::uint8_t>(~mask);
      else
        bits[i / 8] |= mask;
    }
  }
}

void UndoRing::Load(int index, platform::Bitmap& image) const {
  const std::vector<std::uint8_t>& bits = entries_[static_cast<std::size_t>(index)];
  if (image.Width() != width_ || image.Height() != height_) image.Resize(width_, height_);
  std::size_t i = 0;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x, ++i)
      image.SetPixel(x, y, (bits[i / 8] >> (i % 8)) & 1 ? platform::kBlack : platform::kWhite);
}

bool UndoRing::Push(const platform::Bitmap& image) {
  if (!on_) return false;
  Store(current_, image);
  current_ = Wrap(current_ + 1);
  top_ = current_;
  if (top_ == oldest_) oldest_ = Wrap(oldest_ + 1);
  undoEnabled_ = true;
  redoEnabled_ = false;
  return true;
}

bool UndoRing::Undo(platform::Bitmap& image) {
  if (!on_ || current_ == oldest_) return false;
  if (current_ == top_) {
    Push(image);
    current_ = Wrap(current_ - 1);
  }
  current_ = Wrap(current_ - 1);
  Load(current_, image);
  if (current_ == oldest_) undoEnabled_ = false;
  redoEnabled_ = true;
  return true;
}

bool UndoRing::Redo(platform::Bitmap& image) {
  // The newest image is entry T - 1: with C there (or at T) there is no
  // step forward, whatever the button shows.
  if (!on_ || current_ == top_ || Wrap(current_ + 1) == top_) return false;
  current_ = Wrap(current_ + 1);
  Load(current_, image);
  redoEnabled_ = Wrap(current_ + 1) != top_;
  undoEnabled_ = true;
  return true;
}

bool UndoRing::ReadNewest(platform::Bitmap& image) const {
  if (!on_) return false;
  Load(Wrap(top_ - 1), image);
  return true;
}

}  // namespace editor
