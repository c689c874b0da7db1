#pragma once
// The two text files of a print text's printer folder that carry no
// pictures: BS.u23, which of its layers the printer renders itself, and
// DT.pam, its print layout. Lines end in CR LF.
#include <string>

#include "platform/Result.h"
#include "printdata/PrintText.h"

namespace printdata {

// The number of dynamic layers, 5, then per layer 2 (dynamic date),
// 3 (dynamic time) or 0.
std::string DynamicLayerListText(const PrintText& work);
platform::Status WriteDynamicLayerList(const std::string& path, const PrintText& work);

// X1 in whole millimetres (lengths / 10, counts and orientation as they
// are), then X1, X2 and Y as stored: 28 numbers.
std::string ParameterFileText(const PrintText& work);
platform::Status WriteParameterFile(const std::string& path, const PrintText& work);

}  // namespace printdata
