#pragma once
// The configuration-file editor ("Editor"): the printer's configuration,
// fetched by the console's "EDIT.KONFIG" into the work copy KONFIG.SYS23 in
// the program's temporary folder, as text to edit. "Öffnen" and
// "Speichern" load and keep copies (extension "sys23") through the
// program's file dialog; "Drucken" prints the text, or its selection;
// "Installieren" writes the work copy and asks the
// printer thread to put it in place of the printer's configuration; the
// thread reports back through InstallEnded. A progress panel shows each
// step, the memo's colour the state: white idle, yellow while a step runs,
// red after a failure, green while a successful installation is reported.
// On top of the other windows; while a step runs it cannot be closed, and
// edits not yet saved or installed are thrown away only after asking.
//
// The file is Windows-1252 with CR LF lines; a text left unedited goes back
// byte for byte as it came.
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <functional>
#include <string>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printersettings/ConfigFileText.h"

class TForm_FileDialog;

class TForm_Editor : public QDialog {
 public:
  explicit TForm_Editor(QWidget* owner);
  ~TForm_Editor() override;

  // Where the editor finds the program's folders (each ending in "/") and
  // its file dialog; set at start-up.
  struct Places {
    std::function<std::string()> TmpDir, ServiceDir;
    std::function<TForm_FileDialog*()> FileDialog;
  } Places;

  std::string FileName;  // the file last loaded or saved; "" after a failure
  std::string SavePath;  // the last save dialog's choice

  platform::Panel* Panel_Top;
  platform::Panel* PanelOpen;
  platform::SpeedButton* SpeedButtonOpen;
  platform::Panel* PanelSave;
  platform::SpeedButton* SpeedButtonSave;
  platform::Panel* PanelPrint;
  platform::SpeedButton* SpeedButtonPrint;
  platform::Panel* PanelDownload;
  platform::SpeedButton* SpeedButtonDownload;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  QPlainTextEdit* Memo_Editor;
  platform::Panel* Panel_Fortschritt;
  QLabel* Label_Fortschritt;
  QProgressBar* ProgressBar_Fortschritt;

  // 0 and 0 hide the progress; otherwise it shows `position` of `maximum`
  // with `text` (kept when "").
  void ShowProgress(int position, int maximum, const QString& text);
  // Loads a file into the memo; false (memo red and empty, only "Öffnen"
  // usable) when it cannot be read.
  bool LoadFile(const std::string& path);
  // The work copy <TmpDir>KONFIG.SYS23.
  std::string WorkCopy() const;

  void SpeedButtonOpenClick(QObject* sender);
  void SpeedButtonSaveClick(QObject* sender);
  void SpeedButtonPrintClick(QObject* sender);
  void SpeedButtonDownloadClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);

  // The printer thread's steps: a fetch that failed (the editor usable
  // again), an installation that ended (the result shown in the memo's
  // colour while `report` shows the box, then the editor given back).
  void FetchFailed(const std::function<void()>& report);
  void InstallEnded(bool ok, const std::function<void()>& report);

  // Edits not yet saved, installed or loaded over.
  bool IsModified() const;
  // Whether edits may go: none, or the operator agrees.
  bool MayDiscard();
  bool StepRunning() const { return Panel_Fortschritt->isVisible(); }

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormShow();
  void Arrange();
  void SetMemoColour(std::uint32_t colour);
  // The memo's text as the file's bytes.
  std::string TextBytes() const;
  void SetCaptionForFile();
  // Busy: the buttons and the memo off, the memo yellow.
  void Hold(int maximum, const QString& text);
  void GiveBack(std::uint32_t memoColour);
  void SetUpDialog(TForm_FileDialog& d, bool save) const;
  // Not while a step runs (a beep), nor with edits the operator keeps.
  bool MayClose();
  void ApplyTexts();

  // The file as loaded: the bytes go back unchanged while the memo is.
  std::string loadedBytes_;
  bool endsWithBreak_ = true;
  QString loadingText_, savingText_, installingText_;
};

extern TForm_Editor* Form_Editor;
