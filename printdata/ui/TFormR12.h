#pragma once
// The raw bitmap viewer (" R12"), a service tool: shows one raw printer
// bitmap (r23, such as those of the printer file set in TMP/DOWNLOAD) as a
// black and white picture, one picture column per dot column, 26 rows.
// The file's full path is typed into the field at the top or chosen with
// the file dialog by a double click on it (starting in TMP); the button at
// the field's right end, and Ctrl+O, load it (again). Enter and Esc close
// the viewer.
//
// A file that cannot be read, a folder or device, and a file larger than
// any raw bitmap (printdata/RawBitmapFile.h) leave the picture empty and
// sound the stop beep; nothing of such a file is taken in.
//
// One instance, FormR12, created at start-up; the main window's "R12"
// button (operating mode 3) shows and hides it. It is not modal and stays
// on top.
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <string>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printdata/ui/DotPicture.h"

class TFrameDaten;
class DataSetHost;

class TFormR12 : public QDialog {
 public:
  // The client area of the first showing, and the smallest one: the first
  // is narrower, so the window opens at the smallest width.
  static constexpr QSize kShowClientSize{745, 173};
  static constexpr QSize kMinClientSize{852, 143};

  explicit TFormR12(QWidget* owner);
  ~TFormR12() override;

  QLineEdit* EditFileR12;
  QMenu* PopupMenuLeer;  // no context menu on the field
  platform::Panel* PanelLaden;
  platform::SpeedButton* SpeedButtonLaden;
  printdata::ui::DotPicture* Image0;

  // The data view (whose host hides the menus and whose open menu names
  // the file dialog) and the program's services (TMP, the file dialog,
  // centring, hard copy, user guide).
  void Connect(TFrameDaten* view, DataSetHost* host);

  void FormShow();
  // Shows the raw bitmap at `path`; false (empty picture, stop beep) when
  // it cannot be shown.
  bool LoadFile(const std::string& path);
  void SpeedButtonLadenClick(QObject* sender);
  void EditFileR12DblClick(QObject* sender);
  // Enter, Esc, Ctrl+O, Ctrl+P and F1; whether the key was one of them.
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowEmpty();

  QPointer<TFrameDaten> view_;
  DataSetHost* host_ = nullptr;
};

// The one instance, created at start-up.
extern TFormR12* FormR12;
