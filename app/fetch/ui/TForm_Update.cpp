#include "app/fetch/ui/TForm_Update.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/DesktopLauncher.h"
#include "app/ShellFileOps.h"
#include "app/TFormMessage.h"
#include "app/fetch/ui/TForm_Browser.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuPC.h"
#include "app/fetch/UpdateDescription.h"
#include "platform/Beep.h"
#include "platform/FileIO.h"
#include "platform/LineFile.h"
#include "platform/qt/LanguageTexts.h"

TForm_Update* Form_Update = nullptr;

TForm_Update::TForm_Update(QWidget* owner, const app::FetchSettings& settings) : QWidget(owner) {
  Form_Update = this;
  setObjectName(QStringLiteral("Form_Update"));
  setWindowTitle(QStringLiteral("Form_Update"));
  QuestionLine1 = QStringLiteral("Eine neue Version ist auf dem PC bereit.");
  QuestionLine2 = QStringLiteral("Möchten Sie die Express-Installation jetzt starten?");
  YesText = QStringLiteral("Ja");
  NoText = QStringLiteral("Nein");
  platform::RegisterText(this, "QuestionLine1", QuestionLine1);
  platform::RegisterText(this, "QuestionLine2", QuestionLine2);
  platform::RegisterText(this, "YesText", YesText);
  platform::RegisterText(this, "NoText", NoText);
  // Nothing is ready before the first cycle says so.
  if (Form_Main) Form_Main->FrameMenuPC->SpeedButtonUpdate->setEnabled(false);

  const std::string updateDir = Form_Main ? Form_Main->UpdateDir : std::string();
  // The program's own folders are never emptied, even if UPDATE went astray.
  const std::vector<std::string> keep =
      Form_Main ? std::vector<std::string>{Form_Main->RootDir, Form_Main->StartDir} : std::vector<std::string>{};
  app::Thread_Update::Hooks hooks;
  hooks.setReady = [this] { SetReady(true); };
  hooks.clearReady = [this] { SetReady(false); };
  hooks.deletePath = [keep](const std::string& path) { return app::ShellDeletePath(path, false, keep); };
  try {
    UpdateThread = std::make_unique<app::Thread_Update>(updateDir, settings, hooks);
    UpdateThread->Start();
  } catch (const std::exception&) {
    std::exit(-1);
  }
}

TForm_Update::~TForm_Update() {
  StopThread();
  UpdateThread.reset();
  if (Form_Update == this) Form_Update = nullptr;
}

void TForm_Update::SetReady(bool ready) {
  ReadyFlag = ready ? 1 : 0;
  if (Form_Main) Form_Main->FrameMenuPC->SpeedButtonUpdate->setEnabled(ready);
}

void TForm_Update::StopThread() {
  if (!UpdateThread) return;
  UpdateThread->Stop();
  UpdateThread->WaitFor();
}

void TForm_Update::StopFetchThreads() {
  // Both are told first, so they end side by side.
  if (Form_Update && Form_Update->UpdateThread) Form_Update->UpdateThread->Stop();
  if (Form_Browser && Form_Browser->NewsThread) Form_Browser->NewsThread->Stop();
  if (Form_Update) Form_Update->StopThread();
  if (Form_Browser) Form_Browser->StopThread();
}

void TForm_Update::AskUpdate() {
  if (AcceptedFlag == 1 || !FormMessage) return;
  const QString title = Form_Main ? Form_Main->FrameMenuPC->SpeedButtonUpdate->Caption() : QString();
  if (FormMessage->AskYesNo(title, QuestionLine1, QuestionLine2, YesText, NoText, TFormMessage::kSilver) ==
      TFormMessage::kYes)
    AcceptedFlag = 1;
}

void TForm_Update::StartInstaller() {
  // Nothing may fetch into the UPDATE folder or empty it while the
  // installer starts.
  StopFetchThreads();
  if (!Form_Main) return;
  const std::string dir = Form_Main->UpdateDir;
  platform::Result<std::vector<std::string>> lines = platform::ReadLines(dir + app::kUpdateInfoName);
  if (!lines) return;
  const app::UpdateDescription d = app::ParseUpdateDescription(*lines);
  const std::string installer = dir + d.installer;
  if (!d.announces || !app::IsPlainInstallerName(d.installer) || !platform::IsFile(installer)) {
    platform::Beep(platform::BeepKind::Stop);
    return;
  }
  // It came over the network without the permission to run.
  std::error_code ec;
  std::filesystem::permissions(installer, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add, ec);
  (void)app::StartProgram(installer, "/");
}
