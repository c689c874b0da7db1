#include "platform/font/FontFace.h"

#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H

#include <cmath>
#include <stdexcept>

namespace platform {

std::mutex& FreeTypeLock() {
  static std::mutex lock;
  return lock;
}

FontFace::FontFace(FT_Library library, const std::string& file, int index) : file_(file) {
  if (FT_New_Face(library, file.c_str(), index, &face_) != 0) {
    face_ = nullptr;
    throw std::runtime_error("cannot open font \"" + file + "\"");
  }
  if (!FT_IS_SCALABLE(face_)) {
    FT_Done_Face(face_);
    face_ = nullptr;
    throw std::runtime_error("font \"" + file + "\" is not scalable");
  }
  FT_Select_Charmap(face_, FT_ENCODING_UNICODE);
  unitsPerEm_ = face_->units_per_EM > 0 ? face_->units_per_EM : 2048;

  // Windows sizes the character cell by the OS/2 ascent and descent; fonts
  // without that table fall back to the horizontal header.
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    winAscent_ = os2->usWinAscent;
    winDescent_ = os2->usWinDescent;
    strikeoutPosition_ = os2->yStrikeoutPosition;
    strikeoutSize_ = os2->yStrikeoutSize;
  } else {
    winAscent_ = face_->ascender;
    winDescent_ = -face_->descender;
    strikeoutPosition_ = unitsPerEm_ * 259 / 1000;
    strikeoutSize_ = unitsPerEm_ / 20;
  }
  underlinePosition_ = face_->underline_position;
  underlineThickness_ = face_->underline_thickness;
  ComputeAverageWidth();
}

FontFace::~FontFace() {
  if (face_) FT_Done_Face(face_);
}

// The older font tables defined the average width as a weighted mean of the
// lower-case letters and the blank, which is what Arial's stored value still
// is; newer tables average every glyph, which makes the substitute fonts'
// stored value far wider than Arial's. Computing it the old way keeps
// metric-compatible substitutes at Arial's width.
void FontFace::ComputeAverageWidth() {
  static const int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                                   56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2, 166};
  long long sum = 0;
  bool complete = true;
  for (int i = 0; i < 27 && complete; ++i) {
    FT_ULong ch = i < 26 ? 'a' + i : ' ';
    FT_UInt glyph = FT_Get_Char_Index(face_, ch);
    FT_Fixed advance = 0;
    if (glyph == 0 || FT_Get_Advance(face_, glyph, FT_LOAD_NO_SCALE, &advance) != 0) {
      complete = false;
    } else {
      sum += static_cast<long long>(advance) * kWeights[i];
    }
  }
  if (complete) {
    averageWidth_ = static_cast<double>(sum) / 1000.0;
    return;
  }
  // A font without the lower-case letters: the mean of all non-empty glyphs.
  long long total = 0;
  long long count = 0;
  for (FT_Long g = 0; g < face_->num_glyphs; ++g) {
    FT_Fixed advance = 0;
    if (FT_Get_Advance(face_, static_cast<FT_UInt>(g), FT_LOAD_NO_SCALE, &advance) == 0 &&
        advance > 0) {
      total += advance;
      ++count;
    }
  }
  averageWidth_ = count > 0 ? static_cast<double>(total) / static_cast<double>(count)
                            : unitsPerEm_ / 2.0;
}

}  // namespace platform
