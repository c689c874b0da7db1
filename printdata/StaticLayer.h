#pragma once
// Static layers print fixed content into the print text's bitmap; dynamic
// ones are dates and times the printer renders itself from their layer
// files. This is the one rule for both: the printer file set, the editor's
// preview refresh and the data view's refresher all ask here.
#include "printdata/PrintText.h"

namespace printdata {

// A date whose weekday mask has any of bits 0 to 6 set, or a time whose
// interval is not -1.
bool IsDynamicLayer(const LayerObject& layer);
// Text and graphic layers, and date and time layers that are not dynamic.
// A layer of kind none (or an unknown kind) is neither.
bool IsStaticLayer(const LayerObject& layer);
// The same for layer `index` of a print text; false for an index outside 0 to 4.
bool IsStaticLayer(const PrintText& text, int index);

}  // namespace printdata
