#pragma once
// The editor's view menu: which layer, the parameters or the note is shown.
// The view number lives in the Tag of the editor page's LabelAnsicht.
#include <QObject>
#include <QWidget>

class TFrameMenuAnsichtBearbeiten : public QWidget {
 public:
  explicit TFrameMenuAnsichtBearbeiten(QWidget* owner);

  void SpeedButtonEbene1Click(QObject* sender);
  void SpeedButtonEbene2Click(QObject* sender);
  void SpeedButtonEbene3Click(QObject* sender);
  void SpeedButtonEbene4Click(QObject* sender);
  void SpeedButtonEbene5Click(QObject* sender);
  void SpeedButtonParameterClick(QObject* sender);
  void SpeedButtonNotizClick(QObject* sender);
  void ApplyView();
};
