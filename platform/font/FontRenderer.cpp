#include "platform/font/FontRenderer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <tuple>

#include "platform/Cp1252.h"
#include "platform/font/FontFace.h"

namespace platform {
namespace {

// Largest character height and width handed to FreeType, in pixels per em.
// Layers are 25 dots high; anything far above that only costs memory.
constexpr int kMaxPixelsPerEm = 2000;

struct Resolved {
  std::string File;
  int Index = 0;
  bool SyntheticBold = false;
  bool SyntheticItalic = false;
};

using FontKey = std::tuple<std::string, std::uint8_t, int, int>;  // name, style, width, y

}  // namespace

struct FontRenderer::Impl {
  FT_Library library = nullptr;
  std::map<std::pair<std::string, int>, Resolved> resolved;  // (name, bold|italic)
  std::map<std::pair<std::string, int>, std::shared_ptr<FontFace>> faces;  // (file, index)
  std::map<FontKey, std::shared_ptr<const Font>> fonts;

  Resolved Resolve(const std::string& name, std::uint8_t style) {
    const int key = style & (kFontBold | kFontItalic);
    auto found = resolved.find({name, key});
    if (found != resolved.end()) return found->second;

    const bool bold = style & kFontBold;
    const bool italic = style & kFontItalic;
    Resolved r;
    FcPattern* pattern = FcPatternCreate();
    const std::string family = Cp1252ToUtf8(name);
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match) {
      FcChar8* file = nullptr;
      if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
        r.File = reinterpret_cast<const char*>(file);
      }
      int index = 0;
      if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) r.Index = index;
      // A family without a bold or italic face gets the style simulated, as
      // Windows does.
      int weight = FC_WEIGHT_REGULAR;
      FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
      int slant = FC_SLANT_ROMAN;
      FcPatternGetInteger(match, FC_SLANT, 0, &slant);
      r.SyntheticBold = bold && weight < FC_WEIGHT_DEMIBOLD;
      r.SyntheticItalic = italic && slant == FC_SLANT_ROMAN;
      FcPatternDestroy(match);
    }
    resolved[{name, key}] = r;
    return r;
  }

  std::shared_ptr<FontFace> FaceOf(const Resolved& r) {
    auto found = faces.find({r.File, r.Index});
    if (found != faces.end()) return found->second;
    auto face = std::make_shared<FontFace>(library, r.File, r.Index);
    faces[{r.File, r.Index}] = face;
    return face;
  }
};

FontRenderer::FontRenderer() : impl_(std::make_unique<Impl>()) {
  if (!FcInit()) throw std::runtime_error("fontconfig cannot start");
  if (FT_Init_FreeType(&impl_->library) != 0) throw std::runtime_error("FreeType cannot start");
  // Full hinting of the pre-ClearType interpreter: what the Windows font
  // engine does for non-antialiased text.
  FT_UInt version = TT_INTERPRETER_VERSION_35;
  FT_Property_Set(impl_->library, "truetype", "interpreter-version", &version);
}

FontRenderer& FontRenderer::Instance() {
  // Never destroyed: fonts handed out may outlive static destruction order.
  static FontRenderer* instance = new FontRenderer();
  return *instance;
}

int FontRenderer::PixelHeight(int pointSize) {
  // Clamped while still a double: a size whose pixels an int cannot hold
  // would make the conversion undefined (on x86 it yields the smallest int,
  // which turned the largest sizes into the smallest font).
  const double pixels = std::floor(static_cast<double>(pointSize) * kDotsPerInch / 72.0 + 0.5);
  return static_cast<int>(std::clamp(pixels, static_cast<double>(std::numeric_limits<int>::min()),
                                     static_cast<double>(std::numeric_limits<int>::max())));
}

std::string FontRenderer::ResolveFile(const std::string& name, std::uint8_t style) {
  std::lock_guard<std::mutex> lock(FreeTypeLock());
  return impl_->Resolve(name, style).File;
}

Result<std::shared_ptr<const Font>> FontRenderer::CreateFont(const FontDescription& description) {
  std::map<FontKey, std::shared_ptr<const Font>> retired;  // released after the lock
  std::lock_guard<std::mutex> lock(FreeTypeLock());
  try {
    const Resolved r = impl_->Resolve(description.Name, description.Style);
    if (r.File.empty()) return Status::Fail("no font for \"" + Cp1252ToUtf8(description.Name) + "\"");
    std::shared_ptr<FontFace> face = impl_->FaceOf(r);

    const int pixelsY = std::clamp(PixelHeight(std::max(description.PointSize, 1)), 1, kMaxPixelsPerEm);
    int pixelsX = pixelsY;
    if (description.Width > 0) {
      const double wanted = std::min(description.Width, kMaxPixelsPerEm);
      pixelsX = static_cast<int>(std::floor(wanted * face->UnitsPerEm() / face->AverageWidthUnits() + 0.5));
      pixelsX = std::clamp(pixelsX, 1, 2 * kMaxPixelsPerEm);
    }
    const FontKey key{description.Name, description.Style, std::max(description.Width, 0), pixelsY};
    auto found = impl_->fonts.find(key);
    if (found != impl_->fonts.end()) return found->second;

    Font::Setup setup;
    setup.Description = description;
    setup.Description.PointSize = std::max(description.PointSize, 1);
    setup.Face = face;
    setup.PixelsX = pixelsX;
    setup.PixelsY = pixelsY;
    setup.SyntheticBold = r.SyntheticBold;
    setup.SyntheticItalic = r.SyntheticItalic;
    auto font = std::make_shared<const Font>(std::move(setup));
    if (impl_->fonts.size() >= 256) retired.swap(impl_->fonts);
    impl_->fonts[key] = font;
    return std::shared_ptr<const Font>(font);
  } catch (const std::exception& e) {
    return Status::Fail(e.what());
  }
}

}  // namespace platform
