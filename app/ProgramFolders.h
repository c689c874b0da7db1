#pragma once
// The program's folder tree beside its start folder: CONFIG, SOUND, TMP,
// DATA, DATAEASY (with the slots 001 to 020), HELP, LANGUAGE, TEAMVIEWER,
// SERVICE, HEX, DRIVER, BMP, UPDATE and BROWSER under the parent of the start
// folder. Every path ends in "/".
#include <string>
#include <vector>

namespace app {

struct ProgramFolders {
  std::string root;   // parent of the start folder
  std::string start;  // the process's current folder at start
  std::string config, sound, tmp, data, dataEasy, help, language, teamViewer, service, hex, driver,
      bmp, update, browser;
  // Graphics folders of the maker's other programs installed beside this
  // one; "" when absent, no trailing "/".
  std::string tarvikBmp, tarvik12Bmp, tarvik20Bmp, quandrix45Bmp, tarvik50Bmp;
  // Folders that could not be created. Their members still name their own
  // place in the tree, never the start folder, so nothing that clears a
  // program folder can reach the program's own files.
  std::vector<std::string> notCreated;
};

// Creates what is missing of the tree for the start folder `startDir`
// (absolute, with or without a trailing "/").
ProgramFolders CreateProgramFolders(const std::string& startDir);

// Deletes what writes killed midway left in the program's folders (and the
// folders below them): temporary files of processes that no longer run.
// The number deleted.
int RemoveLeftoverTempFiles(const ProgramFolders& folders);

}  // namespace app
