#pragma once
// The message boxes the printer thread shows through the program's message
// window.
#include <optional>
#include <string>

namespace printerthread {

// Texts of the message window's catalogue (they follow the UI language).
enum class CatalogueText {
  Transferring,
  DoneOk,
  DoneFailed,
  PrinterNoSupport,
  NotAvailable,
  Running,            // the busy text of long work
  NoData,             // nothing to fetch
  PrinterProtection,  // the printer holds data protected for the user
};

struct MessageText {
  std::optional<CatalogueText> catalogue;  // set: the catalogue's text
  std::string text;                        // else this, Windows-1252
  std::string suffix;                      // after the catalogue's text (a progress figure)

  static MessageText Of(CatalogueText c, std::string suffix = {}) { return {c, {}, std::move(suffix)}; }
  static MessageText Fixed(std::string t) { return {std::nullopt, std::move(t), {}}; }
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

}  // namespace printerthread
