#pragma once
// The program's language files as the tests find and install them.
#include <array>
#include <string>

#include "AppFixture.h"

namespace apptest {

inline const std::array<std::string, 5> kLanguageFiles = {"Deutsch23.lng", "English23.lng", "Francais23.lng",
                                                          "Italiano23.lng", "Espanol23.lng"};

// The folder of the files in the source tree, ending in "/".
std::string LanguageSourceDir();
// Copies the five files into `dir` (ending in "/").
void InstallLanguageFiles(const std::string& dir);

// The program's windows with the five files in their folder.
class LanguageApp : public AppFixture {
 protected:
  void SetUp() override;
};

}  // namespace apptest
