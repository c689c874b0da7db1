#pragma once
// What the editor needs of the main window that holds it: the back-to-idle
// step and the menu frames, the operating mode, the message window, the
// other pages and the program's dialogs. The main window implements it;
// tests give their own.
#include <QString>
#include <optional>
#include <string>

namespace editor::ui {

class EditorHost {
 public:
  virtual ~EditorHost() = default;

  // TForm_Main::CloseMenusAndRefresh and TForm_Main::HideMenuFrames.
  virtual void CloseMenusAndRefresh() = 0;
  virtual int HideMenuFrames() = 0;
  // 0 "Benutzer" to 3; -1 while the operating-mode window does not exist.
  virtual int OperatingMode() const = 0;
  // The grey two-line notice "Schutz für Benutzer ist eingeschaltet!" /
  // "Kann von Benutzer nicht verändert werden!" of the message window,
  // modal, after pending window messages ran.
  virtual void ShowProtectionNotice(const QString& title) = 0;
  // The editor is shown: the data view and the printer view hide.
  virtual void HideOtherPages() = 0;
  // The editor closed: the data view shows again (TFrameDaten::ShowPage).
  virtual void ShowDataPage() = 0;
  // The editor's quick help, modal.
  virtual void ShowQuickHelp() = 0;
  // F1 in the print view (its Ctrl+P prints through platform::PrintHardcopy).
  virtual void ShowUserGuide() = 0;
  // The program's file dialog set up to save a bitmap, titled `title`; the
  // chosen file, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseBitmapFile(const QString& title) = 0;
};

}  // namespace editor::ui
