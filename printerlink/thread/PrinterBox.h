#pragma once
// The message boxes the printer thread shows through the program's message
// window, and the window that shows them.
#include <optional>
#include <string>

namespace printerthread {

// Texts of the message window's catalogue (they follow the UI language).
enum class CatalogueText { Transferring, DoneOk, DoneFailed, PrinterNoSupport, NotAvailable };

struct MessageText {
  std::optional<CatalogueText> catalogue;  // set: the catalogue's text
  std::string text;                        // else this, Windows-1252

  static MessageText Of(CatalogueText c) { return {c, {}}; }
  static MessageText Fixed(std::string t) { return {std::nullopt, std::move(t)}; }
  bool operator==(const MessageText&) const = default;
};

enum class BoxKind {
  Busy,          // yellow, not modal; stays until closed or replaced
  Success,       // green, modal
  Failure,       // red, modal
  NotSupported,  // red, two lines, modal
  Notice,        // grey, modal
};

struct PrinterBox {
  BoxKind kind = BoxKind::Busy;
  std::string title;  // Windows-1252
  MessageText text;
  MessageText line2;  // NotSupported only
};

// Implemented by the program over its message window; runs in the GUI
// thread. A modal box returns once the user has confirmed it.
class PrinterMessenger {
 public:
  virtual ~PrinterMessenger() = default;
  virtual void ShowMessage(const PrinterBox& box) = 0;
  virtual void CloseMessage() = 0;
};

}  // namespace printerthread
