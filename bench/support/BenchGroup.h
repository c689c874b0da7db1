#pragma once
// The 99 print texts the rendering, data-view and transfer benchmarks work
// on: a text, a dynamic date, a dynamic time, a graphic and a static date
// each, print lengths from 60 to 99 mm.
#include <memory>

#include "printdata/PrintGroup.h"

namespace bench {

std::unique_ptr<printdata::PrintGroup> MakeGroup();
void FillGroup(printdata::PrintGroup& group);

}  // namespace bench
