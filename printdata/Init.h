#pragma once
// Resetting records to their defaults. Each operation sets the fields it
// names and nothing else; none reports a failure (see Guarded.h).
#include "printdata/PrintGroup.h"
#include "printdata/PrintText.h"

namespace printdata {

// Version, protection and note, then every one of the 99 print texts. The
// number of print texts in use is the caller's to set.
void GroupInit(PrintGroup& group);
void PrintTextInit(PrintText& text);
void LayersInit(PrintText& text);
void ParametersInit(PrintText& text);
void ParametersX1Init(PrintText& text);
void ParametersX2Init(PrintText& text);
void ParametersYInit(PrintText& text);
void NoteInit(PrintText& text);

}  // namespace printdata
