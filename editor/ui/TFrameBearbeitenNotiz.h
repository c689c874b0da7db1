#pragma once
// The note pane (FrameBearbeitenNotiz): the note of the working copy, free
// text whose lines the print text keeps separated by CR LF. In operating
// mode 0 protected notes take no change and every press on the memo shows
// the protection notice.
#include <QMenu>
#include <QPlainTextEdit>
#include <QWidget>

#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"

class TFrameBearbeiten;

class TFrameBearbeitenNotiz : public QWidget {
 public:
  TFrameBearbeitenNotiz(TFrameBearbeiten* editor, QWidget* parent);

  platform::Panel* PanelNotiz;
  platform::Label* LabelNotizTitel;
  platform::Panel* PanelEingabe;
  QPlainTextEdit* MemoNotiz;
  QMenu* PopupMenuLeer;

  void MemoNotizChange();
  void MemoNotizMouseDown();
  void ShowProtected(int flag);

  // The memo's whole text with CR LF between lines (Windows-1252), and
  // setting it from a note as stored, scrolled to its first line.
  std::string NoteText() const;
  void SetNoteText(const std::string& note);
  // Operating mode 0 with the notes protected: the memo takes no change.
  bool Locked() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TFrameBearbeiten* editor_;
};
