#include "zip/ZipArchiver.h"

namespace zip {

TZipArchiver::TZipArchiver(std::string name) : TZipBaseArchiver(std::move(name)) {
  UsePkSignatures = true;
  Zip64Mode = zmDisabled;
  SetCompMethod();
}

TZipArchiver::~TZipArchiver() = default;

void TZipArchiver::SetPassword(const ByteString& password) { TZipBaseArchiver::SetPassword(password); }

void TZipArchiver::SetCompMethod() { NewEntryMethod = GetCompressionMode() != 0 ? 8 : 0; }

}  // namespace zip
