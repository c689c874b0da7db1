#pragma once
// How a window makes its texts reachable for the language file.
//
// The loader finds every text by two names: the window's (its class name
// without the leading T: "Form_Main", "FrameDaten", "FormPrinterGeraetTyp")
// and the member's ("SpeedButtonOeffnen", "MsgNoData", "NameTexts").
//
// - A window or frame names itself:   setObjectName("FrameDaten");
// - a component is named after its member, once it exists:
//                                       NAME_AFTER_MEMBER(SpeedButtonOeffnen);
//   (captions of speed buttons, panels, labels, check boxes, menu items;
//   hints; list-view column captions);
// - a text the window keeps for later use is registered by its member name:
//                                       platform::RegisterText(this, "TitleNone", TitleNone);
//   and a fixed array of texts likewise, indexed from 0:
//                                       platform::RegisterTexts(this, "NameTexts", NameTexts);
//
// A window's members are looked up below the window only, never inside
// another named window or frame it contains, so two frames may both have a
// "SpeedButtonOK".
#include <QObject>
#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#define NAME_AFTER_MEMBER(member) (member)->setObjectName(QStringLiteral(#member))

namespace platform {

// Texts of a window that are no component: one or several entries, read and
// written as Windows-1252 bytes. A child of the window, named after the
// member, so it goes with the window.
class RegisteredTexts : public QObject {
 public:
  using Getter = std::function<std::string(int)>;
  using Setter = std::function<void(int, std::string_view)>;
  RegisteredTexts(QObject* window, const char* member, int count, Getter get, Setter set);

  int Count() const { return count_; }
  // Index 0 to Count() - 1; others are ignored ("" when read).
  std::string Get(int index) const;
  void Set(int index, std::string_view cp1252) const;

 private:
  int count_;
  Getter get_;
  Setter set_;
};

void RegisterText(QObject* window, const char* member, QString& text);
// A text kept as Windows-1252 bytes.
void RegisterText(QObject* window, const char* member, std::string& text);
void RegisterTexts(QObject* window, const char* member, QString* texts, int count);
void RegisterTexts(QObject* window, const char* member, std::string* texts, int count);

template <class Text, std::size_t N>
void RegisterTexts(QObject* window, const char* member, Text (&texts)[N]) {
  RegisterTexts(window, member, texts, static_cast<int>(N));
}
template <class Text, std::size_t N>
void RegisterTexts(QObject* window, const char* member, std::array<Text, N>& texts) {
  RegisterTexts(window, member, texts.data(), static_cast<int>(N));
}

}  // namespace platform
