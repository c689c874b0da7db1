#include "zip/wide/UniMemoryStream.h"

#include "platform/FileIO.h"
#include "zip/FileSystem.h"
#include "zip/ZipTypes.h"

namespace zip {

void TUniMemoryStream::LoadFromFile(const std::string& fileName) {
  TUniFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
  bytes.resize(file.Read(bytes.data(), bytes.size()));
  Data() = std::move(bytes);
  SetPosition(0);
}

void TUniMemoryStream::SaveToFile(const std::string& fileName) {
  const auto& bytes = Data();
  platform::Status written = platform::WriteFileAtomic(
      fileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!written) throw EFCreateError("Datei " + WideExpandFileName(fileName) + " kann nicht erstellt werden");
}

}  // namespace zip
