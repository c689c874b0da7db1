// Libraries: zip
// The archive reader on any bytes: the directory (end record, Zip64, the
// rebuild from local headers), every entry's decompression and decryption
// (with the program's archive password), and extraction into a folder, which
// must never write outside it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <vector>

#include "fuzz/support/Scratch.h"
#include "zip/Streams.h"
#include "zip/ZipArchiver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace fs = std::filesystem;
  zip::TMemoryStream archive(std::vector<std::uint8_t>(data, data + size));
  zip::TZipArchiver z("Fuzz");
  z.SetPassword("plivet");
  try {
    z.OpenArchive(archive, false);
  } catch (const std::exception&) {
    return 0;
  }
  try {
    (void)z.DirectoryRebuilt();
    const int count = z.GetFileCount();
    for (int i = 0; i < count && i < 64; ++i) {
      zip::TNullStream sink;
      try {
        z.ExtractItem(i, sink, 0, 0);
      } catch (const std::exception&) {
      }
    }
  } catch (const std::exception&) {
  }

  // Extraction writes below its folder only: the folders around it stay
  // empty whatever the names say.
  const fs::path scratch = fuzzsupport::ScratchDir();
  const fs::path target = scratch / "a" / "b" / "target";
  fuzzsupport::Clear(target.string());
  try {
    z.BaseDir = target.string();
    z.ExtractFiles(u"*.*", 0x28BF, u"");
  } catch (const std::exception&) {
  }
  for (fs::path inner = target; inner != scratch; inner = inner.parent_path())
    for (const auto& e : fs::directory_iterator(inner.parent_path()))
      if (e.path() != inner) std::abort();
  try {
    z.CloseArchive();
  } catch (const std::exception&) {
  }
  return 0;
}
