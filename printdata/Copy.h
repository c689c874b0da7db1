#pragma once
// Copying print texts and their parts, source first. The source is never
// changed; copying a record onto itself is harmless. The paste dialog copies
// the parts separately, everyone else whole print texts.
#include "printdata/PrintText.h"

namespace printdata {

// The destination's version becomes 9 whatever the source holds.
void PrintTextCopy(const PrintText& source, PrintText& destination);
// All fields of all five layers.
void LayersCopy(const PrintText& source, PrintText& destination);
void ParametersCopy(const PrintText& source, PrintText& destination);
void ParametersX1Copy(const PrintText& source, PrintText& destination);
void ParametersX2Copy(const PrintText& source, PrintText& destination);
void ParametersYCopy(const PrintText& source, PrintText& destination);
void NoteCopy(const PrintText& source, PrintText& destination);

}  // namespace printdata
