#pragma once
// The default dialogs of the archiver's events are windows of the program;
// the library reaches them only through this interface, so it stays free of
// any UI and tests can script the answers. Without an installed handler every
// dialog counts as closed (Abort, Cancel, No).
#include <optional>
#include <string>
#include <vector>

#include "zip/ZipTypes.h"

namespace zip {

enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbYesToAll, mbNoToAll };

class TZipDefaultDialogs {
 public:
  virtual ~TZipDefaultDialogs() = default;
  // A confirmation message (UTF-8) with these buttons; the button pressed,
  // or nothing when the dialog was closed.
  virtual std::optional<TMsgDlgBtn> MessageDlg(const std::string& text, const std::vector<TMsgDlgBtn>& buttons) = 0;
  // The password dialog: caption and prompt in UTF-8; true for OK with the
  // typed password (Windows-1252 bytes, at most 255) in `password`.
  virtual bool PasswordDlg(const std::string& caption, const std::string& prompt, ByteString& password) = 0;
};

// The process-wide handler (none at start); returns the previous one.
TZipDefaultDialogs* SetDefaultDialogs(TZipDefaultDialogs* dialogs);
TZipDefaultDialogs* DefaultDialogs();

}  // namespace zip
