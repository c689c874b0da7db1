// Libraries: printerlink_thread
// The printer's texts on any bytes. The group-file header behind the
// protection check reads or refuses without reading past the text. A title
// of older data becomes a local file name only when it is one plain name:
// the files named after it stay inside the upload folder.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "printerlink/thread/GroupDownload.h"
#include "printerlink/thread/GroupUpload.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)printerthread::ScanGroupFileHeader(text);

  for (int version : {6, 7, 8}) {
    auto base = printerthread::UploadBaseName(version, text);
    if (!base) continue;
    for (const std::string& name : {*base + ".g23", *base + "_001.z23", *base + "_099.j23"}) {
      const std::filesystem::path folder("/upload");
      const std::filesystem::path path = (folder / name).lexically_normal();
      Check(path.parent_path() == folder);
      Check(path.filename() == name);
      Check(name.size() <= 255);
    }
  }
  return 0;
}
