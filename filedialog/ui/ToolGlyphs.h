#pragma once
// The pictures of the dialog's tool buttons, drawn here so that they look
// the same whatever icon theme the desktop has (or none).
#include <QIcon>

namespace filedialogui {

enum class Glyph { Back, Home, Browse, Refresh, Icons, List, Report, Delete, Cut, Copy, Insert, Rename, NewFolder, Grip };

QIcon GlyphIcon(Glyph glyph);

}  // namespace filedialogui
