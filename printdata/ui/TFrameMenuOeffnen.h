#pragma once
// The data page's open menu: "Neu" starts new data with one print text,
// "Öffnen" loads the data set chosen in the slot dialog (a slot, or a file
// below DATA), "Importieren" loads a data archive from anywhere as new,
// unsaved data. It also holds the loads other parts of the program use.
//
// A load replaces the open data (the callers refuse while it has unsaved
// changes). Print texts whose files could not be read are listed in
// UnreadTexts; the data is then marked changed, because it is not what was
// saved, and ReportUnreadTexts tells the user which.
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameDaten;
class TFormOeffnen;
class DataSetHost;

class TFrameMenuOeffnen : public QWidget {
 public:
  explicit TFrameMenuOeffnen(QWidget* owner);

  platform::Panel* PanelEingang;
  platform::Panel* PanelMain1;
  platform::Panel* PanelMain2;
  platform::Panel* PanelMain3;
  platform::Panel* PanelNeu;
  platform::Panel* PanelOeffnen;
  platform::Panel* PanelImportieren;
  platform::SpeedButton* SpeedButtonNeu;
  platform::SpeedButton* SpeedButtonOeffnen;
  platform::SpeedButton* SpeedButtonImportieren;

  // The slot dialog; FormOeffnen unless set.
  TFormOeffnen* Dialog = nullptr;
  // Print texts (0-based) of the last load that could not be read.
  std::vector<int> UnreadTexts;

  // The data view it loads into; set by TFrameDaten::Connect.
  void Attach(TFrameDaten* view) { view_ = view; }
  void SetHost(DataSetHost* host) { host_ = host; }

  void PanelMain1Click(QObject* sender);
  void SpeedButtonNeuClick(QObject* sender);
  void SpeedButtonOeffnenClick(QObject* sender);
  void SpeedButtonImportierenClick(QObject* sender);

  // How loaded data is marked: as the file it came from (its path kept, not
  // changed), or as new data without a path, marked changed (an import,
  // data fetched from the printer).
  enum class LoadAs { Saved, Changed };

  // Closes the open data and loads the data archive `path` into the data
  // view, titled with the archive's name. 1 on success, -1 on any failure
  // (the data is then closed).
  int LoadArchive(const std::string& path, LoadAs as = LoadAs::Saved);
  // The same for the group file `path` with its print-text files beside it,
  // titled `title`.
  int LoadGroupFile(const std::string& path, const QString& title, LoadAs as = LoadAs::Saved);

  // How a load of a group file ended: with the data open, every print text
  // read or some of them not (UnreadTexts); or with the data closed,
  // because the group holds no print text or could not be read.
  enum class GroupFileEnd { Loaded, Incomplete, Empty, Failed };
  // LoadGroupFile, telling the endings apart; `perText` runs before each
  // print text is drawn (the printer's upload counts its progress there).
  GroupFileEnd LoadGroupFileEnding(const std::string& path, const QString& title, LoadAs as,
                                   const std::function<void()>& perText = {});
  // When the last load left print texts unread: the red notice naming
  // them, titled `title`.
  void ReportUnreadTexts(const QString& title);

  // The first plain file (not hidden, no folder) matching "folder/*.ext",
  // extension without case; "" when none.
  static std::string FindFirstFile(const std::string& mask);

 private:
  void IdleStep();
  void CloseData();
  // After a load into the group: rows, title, path and mark.
  void ShowLoaded(int count, const std::vector<int>& unread, const QString& title, const std::string& path,
                  LoadAs as, const std::function<void()>& perText = {});
  bool RefuseWhileModified(const QString& title);
  // After a load that ran under the busy message: it closes and unread
  // print texts are named, or the failure is shown.
  void EndLoad(const QString& title, int result);

  TFrameDaten* view_ = nullptr;
  DataSetHost* host_ = nullptr;
};
