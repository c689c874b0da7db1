#pragma once
// The font families the font chooser offers: the scalable families
// fontconfig knows, in alphabetical order, as Windows-1252 names (a family
// whose name the code page cannot hold could not be stored in a layer and
// is left out). Beside them stand the Windows core family names that print
// data carries ("Arial", "Courier New", "Times New Roman") where fontconfig
// has a metric-compatible stand-in for them, which the renderer then draws
// with: print data made on another PC keeps its font names.
#include <string>
#include <vector>

namespace editor {

std::vector<std::string> InstalledFontFamilies();

// Whether the renderer draws `family` with a font of its own rather than
// with the fallback any unknown name gets: an installed family, or one
// that fontconfig substitutes on purpose.
bool FontFamilyResolves(const std::string& family);

// Alphabetical order as a font list shows it: by the Unicode names with
// the ASCII letters' case ignored, ties broken by case.
void SortFontFamilies(std::vector<std::string>& families);

}  // namespace editor
