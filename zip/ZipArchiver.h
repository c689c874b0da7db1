#pragma once
// The archive component with the standard ZIP signatures, Zip64 off by
// default; deflate for new entries unless the level is clNone.
#include "zip/ZipBaseArchiver.h"

namespace zip {

class TZipArchiver : public TZipBaseArchiver {
 public:
  explicit TZipArchiver(std::string name = std::string());
  ~TZipArchiver() override;
  void SetPassword(const ByteString& password) override;
  // Copies the entries of the archive `fileName` into this open archive;
  // names both hold are settled by Options.OverwriteMode.
  void MergeWith(const std::string& fileName);

 protected:
  void SetCompMethod() override;
};

}  // namespace zip
