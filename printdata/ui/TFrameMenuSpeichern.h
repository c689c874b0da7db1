#pragma once
// The data page's save menu: "Speichern" writes the open data back to its
// file, "Speichern unter..." to the place and name chosen in the slot dialog
// (a slot, or a file below DATA), "Exportieren" a copy anywhere through the
// file dialog. Each writes a data archive with SaveArchive, which replaces
// its target only when the new archive is complete.
#include <QObject>
#include <QString>
#include <QWidget>
#include <string>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameDaten;
class TFormSpeichern;
class DataSetHost;

class TFrameMenuSpeichern : public QWidget {
 public:
  explicit TFrameMenuSpeichern(QWidget* owner);

  platform::Panel* PanelEingang;
  platform::Panel* PanelMain1;
  platform::Panel* PanelMain2;
  platform::Panel* PanelSpeichern;
  platform::Panel* PanelSpeichernUnter;
  platform::Panel* PanelExportieren;
  platform::SpeedButton* SpeedButtonSpeichern;
  platform::SpeedButton* SpeedButtonSpeichernUnter;
  platform::SpeedButton* SpeedButtonExportieren;

  // The slot dialog; FormSpeichern unless set.
  TFormSpeichern* Dialog = nullptr;

  // The data view it saves; set by TFrameDaten::Connect.
  void Attach(TFrameDaten* view) { view_ = view; }
  void SetHost(DataSetHost* host) { host_ = host; }

  void PanelMain1Click(QObject* sender);
  void SpeedButtonSpeichernClick(QObject* sender);
  void SpeedButtonSpeichernUnterClick(QObject* sender);
  void SpeedButtonExportierenClick(QObject* sender);

  // Writes the open data as the data archive folder/<name without its
  // extension>.zg23 (`folder` with or without its final "/"). 1 on success,
  // -1 on any failure; the file that was there then stays as it was.
  // Title, path and modified mark are the callers'.
  int SaveArchive(const std::string& folder, const std::string& name);

 private:
  void IdleStep();
  void StartBusy(const QString& title);
  void EndBusy();
  void ShowFailure(const QString& title);

  TFrameDaten* view_ = nullptr;
  DataSetHost* host_ = nullptr;
};
