#include "app/pc/TFrameMenuHilfe.h"

#include <QApplication>

#include "app/DesktopLauncher.h"
#include "app/pc/TFormInfo.h"
#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "platform/Beep.h"
#include "platform/Clock.h"
#include "platform/FileIO.h"
#include "platform/qt/UserGuide.h"
#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/MenuFrame.h"

namespace {

void BackToIdle() {
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
}

// The busy message while the desktop starts something, shown for 2 s.
void ShowStarting(const QString& title) {
  QApplication::processEvents();
  if (FormMessage) FormMessage->ShowBusy(title, FormMessage->MsgStarting, TFormMessage::kYellow, false);
}

void EndStarting() {
  platform::SleepMs(2000);
  QApplication::processEvents();
  if (FormMessage) FormMessage->close();
}

}  // namespace

TFrameMenuHilfe::TFrameMenuHilfe(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuHilfe"));
  using printdata::ui::AddMenuButton;
  PanelMain1 = printdata::ui::AddRaisedMenuBlock(this, "PanelMain1", 0, 176);
  PanelMain2 = printdata::ui::AddRaisedMenuBlock(this, "PanelMain2", 176, 65);
  AddMenuButton(PanelMain1, "PanelBenutzerhandbuch", "SpeedButtonBenutzerhandbuch",
                QStringLiteral("Benutzerhandbuch"), 8, 8, PanelBenutzerhandbuch, SpeedButtonBenutzerhandbuch);
  AddMenuButton(PanelMain1, "PanelFernsteuerung", "SpeedButtonFernsteuerung", QStringLiteral("TeamViewer"), 8, 64,
                PanelFernsteuerung, SpeedButtonFernsteuerung);
  AddMenuButton(PanelMain1, "PanelEmail", "SpeedButtonEmail", QStringLiteral("E-Mail"), 8, 120, PanelEmail,
                SpeedButtonEmail);
  AddMenuButton(PanelMain2, "PanelInfo", "SpeedButtonInfo", QStringLiteral("Info"), 8, 8, PanelInfo, SpeedButtonInfo);
  resize(193, 241);
  hide();

  const std::string helpDir = Form_Main ? Form_Main->HelpDir : std::string();
  const std::string teamViewerDir = Form_Main ? Form_Main->TeamViewerDir : std::string();
  GuidePathDE = helpDir + "Benutzerhandbuch Tarvik23.pdf";
  GuidePathEN = helpDir + "User Guide Tarvik23.pdf";
  RemoteSupportPath = teamViewerDir + "TeamViewerQS.exe";
  SpeedButtonBenutzerhandbuch->setEnabled(platform::IsFile(GuidePathDE) || platform::IsFile(GuidePathEN));
  SpeedButtonFernsteuerung->setEnabled(platform::IsFile(RemoteSupportPath));

  connect(SpeedButtonBenutzerhandbuch, &QAbstractButton::clicked, this,
          [this] { SpeedButtonBenutzerhandbuchClick(SpeedButtonBenutzerhandbuch); });
  connect(SpeedButtonFernsteuerung, &QAbstractButton::clicked, this,
          [this] { SpeedButtonFernsteuerungClick(SpeedButtonFernsteuerung); });
  connect(SpeedButtonEmail, &QAbstractButton::clicked, this, [this] { SpeedButtonEmailClick(SpeedButtonEmail); });
  connect(SpeedButtonInfo, &QAbstractButton::clicked, this, [this] { SpeedButtonInfoClick(SpeedButtonInfo); });
  printdata::ui::OnClick(PanelMain1, [this] { PanelMain1Click(PanelMain1); });
  printdata::ui::OnClick(PanelMain2, [this] { PanelMain1Click(PanelMain2); });

  // F1 in every window.
  platform::SetUserGuideAction([this] { SpeedButtonBenutzerhandbuchClick(SpeedButtonBenutzerhandbuch); });
}

TFrameMenuHilfe::~TFrameMenuHilfe() { platform::SetUserGuideAction(nullptr); }

void TFrameMenuHilfe::SpeedButtonBenutzerhandbuchClick(QObject* sender) {
  platform::RepaintSender(sender);
  BackToIdle();
  ShowStarting(SpeedButtonBenutzerhandbuch->Caption());
  const int language = FormSprache ? FormSprache->GetLanguage() : 0;
  const bool englishFirst = language >= 1 && language <= 4;
  const std::string& first = englishFirst ? GuidePathEN : GuidePathDE;
  const std::string& second = englishFirst ? GuidePathDE : GuidePathEN;
  if (platform::IsFile(first)) {
    if (!app::OpenDocument(first)) platform::Beep(platform::BeepKind::Stop);
  } else if (platform::IsFile(second)) {
    if (!app::OpenDocument(second)) platform::Beep(platform::BeepKind::Stop);
  } else if (Form_Main) {
    Form_Main->OpenProductSupportPage();
  }
  EndStarting();
}

void TFrameMenuHilfe::SpeedButtonFernsteuerungClick(QObject* sender) {
  platform::RepaintSender(sender);
  BackToIdle();
  ShowStarting(SpeedButtonFernsteuerung->Caption());
  if (platform::IsFile(RemoteSupportPath) && !app::StartProgram(RemoteSupportPath, "/"))
    platform::Beep(platform::BeepKind::Stop);
  EndStarting();
}

void TFrameMenuHilfe::SpeedButtonEmailClick(QObject* sender) {
  platform::RepaintSender(sender);
  BackToIdle();
  if (Form_Main) Form_Main->OpenSupportContactPage();
}

void TFrameMenuHilfe::SpeedButtonInfoClick(QObject* sender) {
  platform::RepaintSender(sender);
  BackToIdle();
  if (!FormInfo || !Form_Main) return;
  switch (FormInfo->exec()) {
    case TFormInfo::kEmail: Form_Main->OpenSupportContactPage(); break;
    case TFormInfo::kInternet: Form_Main->OpenMakerHomePages(); break;
    case TFormInfo::kSupport: Form_Main->OpenProductSupportPage(); break;
    default: break;
  }
}

void TFrameMenuHilfe::PanelMain1Click(QObject*) { BackToIdle(); }
