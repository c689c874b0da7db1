#include "platform/font/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/Cp1252.h"
#include "platform/font/FontFace.h"

namespace platform {
namespace {

int Scale(double units, int pixels, int unitsPerEm) {
  return static_cast<int>(std::floor(units * pixels / unitsPerEm + 0.5));
}

// The cell reaches the Windows ascent and descent rounded up, so that
// hinting, which may round a glyph's top or bottom outwards, never pushes
// ink out of its own cell.
int ScaleUp(double units, int pixels, int unitsPerEm) {
  return static_cast<int>(std::ceil(units * pixels / unitsPerEm - 1e-9));
}

}  // namespace

Font::Font(Setup setup) : setup_(std::move(setup)) {
  FontFace& face = *setup_.Face;
  FT_Size size = nullptr;
  if (FT_New_Size(face.Face(), &size) != 0) throw std::runtime_error("cannot size font");
  size_ = size;
  FT_Activate_Size(size);
  if (FT_Set_Pixel_Sizes(face.Face(), static_cast<FT_UInt>(setup_.PixelsX),
                         static_cast<FT_UInt>(setup_.PixelsY)) != 0) {
    FT_Done_Size(size);
    throw std::runtime_error("cannot size font");
  }
  const int em = face.UnitsPerEm();
  metrics_.Ascent = ScaleUp(face.WinAscent(), setup_.PixelsY, em);
  metrics_.Descent = ScaleUp(face.WinDescent(), setup_.PixelsY, em);
  metrics_.Height = metrics_.Ascent + metrics_.Descent;
  metrics_.AveCharWidth = Scale(face.AverageWidthUnits(), setup_.PixelsX, em);

  // Underline and strikeout as rows relative to the cell top.
  underlineRows_ = std::max(1, Scale(face.UnderlineThickness(), setup_.PixelsY, em));
  underlineTop_ = metrics_.Ascent - Scale(face.UnderlinePosition(), setup_.PixelsY, em);
  strikeoutRows_ = std::max(1, Scale(face.StrikeoutSize(), setup_.PixelsY, em));
  strikeoutTop_ = metrics_.Ascent - Scale(face.StrikeoutPosition(), setup_.PixelsY, em);
}

Font::~Font() {
  std::lock_guard<std::mutex> lock(FreeTypeLock());
  if (size_) FT_Done_Size(static_cast<FT_Size>(size_));
}

const std::string& Font::FaceFile() const { return setup_.Face->File(); }

void Font::LoadGlyphLocked(std::uint8_t byte) const {
  auto glyph = std::make_unique<Glyph>();
  FT_Face face = setup_.Face->Face();
  FT_Activate_Size(static_cast<FT_Size>(size_));
  FT_UInt index = FT_Get_Char_Index(face, Cp1252ToUnicode(byte));
  if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) == 0) {
    FT_GlyphSlot slot = face->glyph;
    if (setup_.SyntheticItalic) FT_GlyphSlot_Oblique(slot);
    if (setup_.SyntheticBold) FT_GlyphSlot_Embolden(slot);
    glyph->Advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) == 0 &&
        slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
      const FT_Bitmap& bm = slot->bitmap;
      glyph->Left = slot->bitmap_left;
      glyph->Top = slot->bitmap_top;
      glyph->Width = static_cast<int>(bm.width);
      glyph->Rows = static_cast<int>(bm.rows);
      glyph->Ink.resize(static_cast<std::size_t>(glyph->Width) * glyph->Rows);
      for (int r = 0; r < glyph->Rows; ++r) {
        const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(r) * bm.pitch;
        for (int c = 0; c < glyph->Width; ++c) {
          glyph->Ink[static_cast<std::size_t>(r) * glyph->Width + c] =
              (row[c >> 3] >> (7 - (c & 7))) & 1;
        }
      }
    }
  }
  glyphs_[byte].store(glyph.get(), std::memory_order_release);
  owned_.push_back(std::move(glyph));
}

void Font::LoadGlyphs(std::string_view bytes) const {
  std::unique_lock<std::mutex> lock(FreeTypeLock(), std::defer_lock);
  for (char ch : bytes) {
    auto byte = static_cast<std::uint8_t>(ch);
    if (glyphs_[byte].load(std::memory_order_acquire)) continue;
    if (!lock.owns_lock()) lock.lock();
    if (!glyphs_[byte].load(std::memory_order_acquire)) LoadGlyphLocked(byte);
  }
}

const Font::Glyph& Font::GlyphOf(std::uint8_t byte) const {
  char ch = static_cast<char>(byte);
  LoadGlyphs(std::string_view(&ch, 1));
  return *glyphs_[byte].load(std::memory_order_acquire);
}

int Font::CharWidth(std::uint8_t byte) const { return GlyphOf(byte).Advance; }

std::int64_t Font::TextWidth(std::string_view bytes) const {
  LoadGlyphs(bytes);
  std::int64_t width = 0;
  for (char ch : bytes) width += GlyphLoaded(ch).Advance;
  return width;
}

void Font::DrawText(Bitmap& target, std::int64_t x, std::int64_t top, std::string_view bytes,
                    ColourValue ink, ColourValue background) const {
  const std::int64_t right = x + TextWidth(bytes);  // loads the glyphs
  const std::int64_t bottom = top + metrics_.Height;
  target.FillRect(x, top, right, bottom, background);
  // Only rows that are inside both the cell and the picture matter.
  const std::int64_t rowFrom = std::max<std::int64_t>(top, 0);
  const std::int64_t rowTo = std::min<std::int64_t>(bottom, target.Height());
  const std::int64_t colFrom = std::max<std::int64_t>(x, 0);
  const std::int64_t colTo = std::min<std::int64_t>(right, target.Width());
  if (rowFrom >= rowTo || colFrom >= colTo) return;

  const std::int64_t baseline = top + metrics_.Ascent;
  std::int64_t pen = x;
  for (char ch : bytes) {
    const Glyph& g = GlyphLoaded(ch);
    const std::int64_t gx = pen + g.Left;
    const std::int64_t gy = baseline - g.Top;
    if (gx < colTo && gx + g.Width > colFrom) {
      const std::int64_t r0 = std::max<std::int64_t>(rowFrom - gy, 0);
      const std::int64_t r1 = std::min<std::int64_t>(rowTo - gy, g.Rows);
      const std::int64_t c0 = std::max<std::int64_t>(colFrom - gx, 0);
      const std::int64_t c1 = std::min<std::int64_t>(colTo - gx, g.Width);
      for (std::int64_t r = r0; r < r1; ++r) {
        const std::uint8_t* row = g.Ink.data() + r * g.Width;
        for (std::int64_t c = c0; c < c1; ++c) {
          if (row[c]) target.SetPixel(gx + c, gy + r, ink);
        }
      }
    }
    pen += g.Advance;
  }
  auto line = [&](int rowOffset, int rows) {
    std::int64_t from = std::max(top + rowOffset, top);
    std::int64_t to = std::min(top + rowOffset + rows, bottom);
    target.FillRect(x, from, right, to, ink);
  };
  if (setup_.Description.Style & kFontUnderline) line(underlineTop_, underlineRows_);
  if (setup_.Description.Style & kFontStrikeOut) line(strikeoutTop_, strikeoutRows_);
}

}  // namespace platform
