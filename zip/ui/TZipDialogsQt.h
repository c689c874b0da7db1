#pragma once
// The default dialogs of the archive library's events as Qt windows: the
// standard confirmation message box and the password dialog. The program
// installs one instance at start-up (InstallZipDialogs).
#include "zip/ZipDialogs.h"

class TZipDialogsQt : public zip::TZipDefaultDialogs {
 public:
  std::optional<zip::TMsgDlgBtn> MessageDlg(const std::string& text,
                                            const std::vector<zip::TMsgDlgBtn>& buttons) override;
  bool PasswordDlg(const std::string& caption, const std::string& prompt, zip::ByteString& password) override;
};

// Makes the Qt dialogs the library's default ones for the rest of the run.
void InstallZipDialogs();
