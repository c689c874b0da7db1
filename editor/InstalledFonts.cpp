#include "editor/InstalledFonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <set>

#include "platform/Cp1252.h"
#include "platform/font/FontRenderer.h"

namespace editor {
namespace {

// A name no font has: what fontconfig gives for it is its fallback.
constexpr const char* kNoSuchFamily = "Tarvik23 no such family";

const char* const kCoreFamilies[] = {"Arial", "Courier New", "Times New Roman"};

// Families fontconfig lists, as UTF-8 (a font may have several names; the
// first is its own).
std::vector<std::string> ListedFamilies() {
  std::vector<std::string> out;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
  if (fonts) {
    for (int i = 0; i < fonts->nfont; ++i) {
      FcChar8* family = nullptr;
      if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch && family)
        out.emplace_back(reinterpret_cast<const char*>(family));
    }
    FcFontSetDestroy(fonts);
  }
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return out;
}

}  // namespace

bool FontFamilyResolves(const std::string& family) {
  platform::FontRenderer& renderer = platform::FontRenderer::Instance();
  const std::string file = renderer.ResolveFile(family, 0);
  if (file.empty()) return false;
  if (file != renderer.ResolveFile(kNoSuchFamily, 0)) return true;
  // The fallback family itself is installed all the same.
  const std::vector<std::string> listed = ListedFamilies();
  return std::find(listed.begin(), listed.end(), platform::Cp1252ToUtf8(family)) != listed.end();
}

void SortFontFamilies(std::vector<std::string>& families) {
  auto key = [](const std::string& name) {
    std::string lower = platform::Cp1252ToUtf8(name);
    for (char& c : lower)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
  };
  std::sort(families.begin(), families.end(), [&key](const std::string& a, const std::string& b) {
    const std::string ka = key(a), kb = key(b);
    return ka != kb ? ka < kb : a < b;
  });
}

std::vector<std::string> InstalledFontFamilies() {
  platform::FontRenderer::Instance();  // fontconfig is set up there
  std::set<std::string> names;
  for (const std::string& utf8 : ListedFamilies()) {
    const std::string bytes = platform::Utf8ToCp1252(utf8, '\0');
    if (bytes.find('\0') == std::string::npos && !bytes.empty()) names.insert(bytes);
  }
  for (const char* core : kCoreFamilies)
    if (!names.count(core) && FontFamilyResolves(core)) names.insert(core);
  std::vector<std::string> families(names.begin(), names.end());
  SortFontFamilies(families);
  return families;
}

}  // namespace editor
