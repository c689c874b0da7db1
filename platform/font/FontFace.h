#pragma once
// One font file opened through FreeType, with the design metrics the
// program's text metrics are computed from. Internal to the text renderer.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <mutex>
#include <string>

namespace platform {

// FreeType objects of one library are not safe to use from two threads at
// once; every call into FreeType holds this lock.
std::mutex& FreeTypeLock();

class FontFace {
 public:
  // Caller holds FreeTypeLock(). Throws std::runtime_error when the file
  // cannot be opened as a scalable font.
  FontFace(FT_Library library, const std::string& file, int index);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  FT_Face Face() const { return face_; }
  const std::string& File() const { return file_; }
  int UnitsPerEm() const { return unitsPerEm_; }
  int WinAscent() const { return winAscent_; }
  int WinDescent() const { return winDescent_; }
  // Average character width in font units by the weighted lower-case rule.
  double AverageWidthUnits() const { return averageWidth_; }
  int UnderlinePosition() const { return underlinePosition_; }
  int UnderlineThickness() const { return underlineThickness_; }
  int StrikeoutPosition() const { return strikeoutPosition_; }
  int StrikeoutSize() const { return strikeoutSize_; }

 private:
  void ComputeAverageWidth();

  FT_Face face_ = nullptr;
  std::string file_;
  int unitsPerEm_ = 2048;
  int winAscent_ = 0;
  int winDescent_ = 0;
  double averageWidth_ = 0;
  int underlinePosition_ = 0;
  int underlineThickness_ = 0;
  int strikeoutPosition_ = 0;
  int strikeoutSize_ = 0;
};

}  // namespace platform
