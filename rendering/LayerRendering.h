#pragma once
// Drawing the layers of the editor's working copy into its layer images,
// one pixel per printed dot, every pixel ink or white. The editor frame
// calls these on its working copy and images; the data view's rows and the
// printer files are made from the result.
#include "rendering/LocalClock.h"
#include "rendering/PreviewImages.h"
#include "platform/Bitmap.h"
#include "printdata/PrintText.h"

namespace editor {

// Redraws layer `layer` (0..4; any other value does nothing) of `work` into
// its layer image in `colour` (0 black, 255 red for the edited layer). The
// image first takes the size of the print field, white. Texts, dates and
// times are drawn character by character in the layer's glyph font, the
// cells' top 3 rows above row 0 at PosY 0; a graphic pixel by pixel, its top
// row on row 0 at PosY 0. Whatever falls outside the image is clipped.
void RenderLayer(const printdata::PrintText& work, unsigned layer, platform::ColourValue colour,
                 PreviewImages& images);

// Recomputes the printed texts of the dynamic date and time layers of
// `work` for `now`.
void RefreshDynamicTexts(printdata::PrintText& work, const LocalDateTime& now);

// The working copy becomes the defaults, then a copy of `source` (when
// given), with its parameters as the parameters pane keeps them; the images
// are sized to its print field and its five layers drawn black, dynamic
// dates and times as of `now`. `source` may be `work` itself.
void LoadAndRender(const printdata::PrintText* source, printdata::PrintText& work,
                   PreviewImages& images, const LocalDateTime& now);
void LoadAndRender(const printdata::PrintText* source, printdata::PrintText& work, PreviewImages& images);

}  // namespace editor
