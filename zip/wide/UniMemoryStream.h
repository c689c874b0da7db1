#pragma once
// A memory stream loaded from or saved to a whole file.
#include <string>

#include "zip/Streams.h"

namespace zip {

class TUniMemoryStream : public TMemoryStream {
 public:
  // Replaces the content by the file's and goes to its start. Raises
  // EFOpenError "Datei <full path> kann nicht geöffnet werden".
  void LoadFromFile(const std::string& fileName);
  // Replaces the file whole. Raises EFCreateError
  // "Datei <full path> kann nicht erstellt werden".
  void SaveToFile(const std::string& fileName);
};

}  // namespace zip
