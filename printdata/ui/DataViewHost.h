#pragma once
// What the data view and its menus use of the windows around them. The main
// window provides both; tests give their own. Everything runs in the GUI
// thread.
#include <QString>
#include <cstdint>

#include "rendering/RowPainting.h"
#include "printdata/PrintText.h"

// The main window and its services: the back-to-idle step, the menus, the
// message window, the operating mode, the paste dialog, the report and the
// quick help.
class DataViewHost {
 public:
  virtual ~DataViewHost() = default;

  // The back-to-idle step: hides every menu frame and sets what may be used
  // (on the data page through TFrameDaten::ApplyIdleState).
  virtual void CloseMenusAndRefresh() = 0;
  // Hides every menu frame; how many were visible.
  virtual int HideMenuFrames() = 0;

  // 0 user, 1 administrator, 2 technician, 3 technician plus; -1 while the
  // operating-mode window does not exist (which binds like any mode but 0).
  virtual int OperatingMode() const = 0;

  // The message window: whether it is shown, its catalogue (numbers 1 to
  // 29, as the language file replaces them) and modal notices.
  virtual bool MessageVisible() const = 0;
  virtual QString CatalogueText(int number) const = 0;
  virtual void ShowNotice(const QString& title, const QString& text, std::uint32_t colour) = 0;
  virtual void ShowNotice2(const QString& title, const QString& line1, const QString& line2, std::uint32_t colour) = 0;
  // Lets pending window messages run (repaints, the notice's own events).
  virtual void ProcessMessages() = 0;

  // The paste dialog (modeless).
  virtual bool PasteDialogVisible() const = 0;
  virtual void ShowPasteDialog() = 0;

  // The report of the open data; each flag 1 or 0. With askOptions the
  // report options dialog decides the other four.
  virtual void PrintReport(bool askOptions, bool layers, bool parameters, bool notes, bool info) = 0;
  // The quick-help dialog, modal.
  virtual void ShowQuickHelp() = 0;

  // Catalogue numbers the data page uses.
  static constexpr int kMsgDeniedUser = 4;
  static constexpr int kMsgUserCannotChange = 17;
  static constexpr int kMsgProtectionOn = 18;
  static constexpr int kMsgRestart = 28;
};

// The print-text editor as the data page reaches it. The defaults stand for
// an editor that is never shown and opens nothing; the editor overrides
// them.
class DataViewEditor {
 public:
  virtual ~DataViewEditor() = default;

  // Views: 0 to 4 the layers, 5 the parameters, 6 the note.
  static constexpr int kStartView = -1;  // the editor's own start view

  // Opens `text` in the editor under `title` on `view` and shows the editor
  // page; false when the editor could not take it (the data page then stays).
  virtual bool OpenInEditor(const printdata::PrintText& text, const QString& title, int view) {
    (void)text, (void)title, (void)view;
    return false;
  }
  // The words the rows are labelled with, as the editor's panes name them in
  // the chosen language.
  virtual editor::RowWords RowWords() const { return {}; }

  virtual bool EditorVisible() const { return false; }
  // The editor's working copy while it is shown; the refresher stores the
  // recomputed date and time texts into it.
  virtual printdata::PrintText* WorkText() { return nullptr; }
  // The viewed layer (the editor view, 0 to 6).
  virtual int ViewedLayer() const { return 0; }
  // Redraws a layer of the working copy: colour 0 black, 255 red.
  virtual void RenderLayer(int layer, std::uint32_t colour) { (void)layer, (void)colour; }
  virtual bool ViewMenuVisible() const { return false; }
  // 0 to 4 a layer's thumbnail, 5 the print view's, 6 the note's.
  virtual void UpdateThumbnail(int which) { (void)which; }
  virtual bool PrintViewVisible() const { return false; }
  virtual void DrawPrintView() {}
};
