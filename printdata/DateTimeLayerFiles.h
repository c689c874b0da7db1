#pragma once
// The files the printer renders a dynamic date or time layer from, in the
// print text's printer folder: a description (D0.pam..D4.pam for dates,
// T0.pam..T4.pam for times, by layer index) with the code, the settings,
// the position and the character set with every character's width, and a
// glyph bitmap (D0.r23..D4.r23, T0.r23..T4.r23) with exactly those
// characters drawn in the layer's glyph font, one after the other, the
// vertical position drawn in. Glyph k starts at the sum of the widths
// before it. Description lines end in LF alone.
//
// Each writer reads layer `layer` of the renderer's working copy and writes
// nothing (successfully) when that layer is not a dynamic date, respectively
// time. A layer outside 0..4, a character set beyond what a description
// holds (100 characters), a missing font or a file that cannot be written
// fail.
#include <string>

#include "platform/Result.h"
#include "printdata/PrintTextRenderer.h"

namespace printdata {

platform::Status WriteDateDescription(int layer, const std::string& path, PrintTextRenderer& renderer);
platform::Status WriteDateGlyphs(int layer, const std::string& path, PrintTextRenderer& renderer);
platform::Status WriteTimeDescription(int layer, const std::string& path, PrintTextRenderer& renderer);
platform::Status WriteTimeGlyphs(int layer, const std::string& path, PrintTextRenderer& renderer);

}  // namespace printdata
