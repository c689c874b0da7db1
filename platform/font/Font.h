#pragma once
// A font at one size, as the Windows font calls hand it out: monochrome,
// hinted glyphs with whole-pixel advances and no kerning, so that every
// pixel of a drawn text is either ink or background and a text is exactly
// as wide as the sum of its characters. Texts are Windows-1252 bytes.
// Created by FontRenderer; immutable apart from its glyph cache, and safe to
// use from several threads.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/FontDescription.h"

namespace platform {

class FontFace;

class Font {
 public:
  struct Setup {
    FontDescription Description;
    std::shared_ptr<FontFace> Face;
    int PixelsX = 0;  // horizontal pixels per em (differs from PixelsY when stretched)
    int PixelsY = 0;
    bool SyntheticBold = false;
    bool SyntheticItalic = false;
  };
  explicit Font(Setup setup);  // caller holds FreeTypeLock()
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  const FontDescription& Description() const { return setup_.Description; }
  const TextMetrics& Metrics() const { return metrics_; }
  // The file the face name resolved to.
  const std::string& FaceFile() const;

  int CharWidth(std::uint8_t byte) const;
  std::int64_t TextWidth(std::string_view bytes) const;

  // Text output with an opaque background: the cell from x to x + TextWidth
  // and from `top` to top + Height is filled with `background`, then the
  // glyphs are drawn in `ink` with the cell's top at `top`. Ink outside the
  // cell and outside the bitmap is dropped.
  void DrawText(Bitmap& target, std::int64_t x, std::int64_t top, std::string_view bytes,
                ColourValue ink, ColourValue background) const;

 private:
  struct Glyph {
    int Advance = 0;
    int Left = 0;  // ink origin relative to the pen
    int Top = 0;   // rows of ink above the baseline
    int Width = 0;
    int Rows = 0;
    std::vector<std::uint8_t> Ink;  // Width x Rows, 1 = ink
  };
  const Glyph& GlyphOf(std::uint8_t byte) const;
  // A glyph that LoadGlyphs has made sure of.
  const Glyph& GlyphLoaded(char ch) const {
    return *glyphs_[static_cast<std::uint8_t>(ch)].load(std::memory_order_acquire);
  }
  void LoadGlyphs(std::string_view bytes) const;
  void LoadGlyphLocked(std::uint8_t byte) const;

  Setup setup_;
  TextMetrics metrics_;
  void* size_ = nullptr;  // the FreeType size object of this font
  int underlineTop_ = 0, underlineRows_ = 0;
  int strikeoutTop_ = 0, strikeoutRows_ = 0;
  // Filled once per byte under the FreeType lock, read without it.
  mutable std::array<std::atomic<const Glyph*>, 256> glyphs_{};
  mutable std::vector<std::unique_ptr<Glyph>> owned_;
};

}  // namespace platform
