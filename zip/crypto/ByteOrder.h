#pragma once
// The cipher and archive code load and store words through the program's one
// set of byte-order helpers.
#include "platform/ByteOrder.h"

namespace zip {

using platform::LoadBE32;
using platform::LoadBE64;
using platform::LoadLE16;
using platform::LoadLE32;
using platform::LoadLE64;
using platform::StoreBE32;
using platform::StoreBE64;
using platform::StoreLE16;
using platform::StoreLE32;
using platform::StoreLE64;

}  // namespace zip
