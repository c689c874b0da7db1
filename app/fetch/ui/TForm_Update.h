#pragma once
// The update: a never-shown window that owns the update thread, keeps the
// texts of the update question and the two flags. The thread marks an
// update ready (which enables the PC menu's update button); the user
// accepts it from that button or when closing the program; the installer
// of an accepted update is started as the very last step of closing.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "app/fetch/FetchSettings.h"
#include "app/fetch/Thread_Update.h"

class TForm_Update : public QWidget {
 public:
  // Starts the update thread; its first cycle runs at once. Needs the main
  // window with its PC menu.
  explicit TForm_Update(QWidget* owner, const app::FetchSettings& settings = app::FetchSettings());
  ~TForm_Update() override;

  QString QuestionLine1, QuestionLine2, YesText, NoText;
  // 1 while the UPDATE folder holds the description and installer of a
  // newer release; written only in the GUI thread.
  std::uint8_t ReadyFlag = 0;
  // 1 once the user said yes; never reset while the program runs.
  std::uint8_t AcceptedFlag = 0;
  std::unique_ptr<app::Thread_Update> UpdateThread;

  // Asks whether to install now (unless already accepted).
  void AskUpdate();
  // Stops the update and news threads and waits for them, then starts the
  // installer that UPDATE/INFO.UPD names, when it is there. A description
  // that names no installer, or one that is missing, gives the stop beep; an
  // unreadable one nothing.
  void StartInstaller();
  // Stops the update thread and waits for it; nothing when it has ended.
  void StopThread();
  // Both fetch threads, stopped together.
  static void StopFetchThreads();

 private:
  void SetReady(bool ready);
};

extern TForm_Update* Form_Update;
