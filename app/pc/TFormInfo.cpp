#include "app/pc/TFormInfo.h"

#include "app/Centre.h"
#include "app/DialogKeys.h"
#include "app/pc/InfoText.h"
#include "app/pc/MemoView.h"
#include "app/language/TFormSprache.h"
#include "platform/PcIdentifier.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"

TFormInfo* FormInfo = nullptr;

namespace {
using namespace platform::colours;
constexpr int kWidth = 393;
constexpr int kMainHeight = 327;
constexpr int kBottomHeight = 65;
}  // namespace

TFormInfo::TFormInfo(QWidget* owner) : QDialog(owner, platform::FixedDialogFlags()) {
  FormInfo = this;
  setObjectName(QStringLiteral("FormInfo"));
  setWindowTitle(QStringLiteral(" Info"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);

  PanelMain = new platform::Panel(this);
  PanelMain->SetColor(kLightGrey);
  PanelMain->setGeometry(0, 0, kWidth, kMainHeight);
  // The text takes no input.
  PanelMain->setEnabled(false);
  Memo = new app::MemoView(PanelMain, platform::CourierNewPx(15), kTeal, kLightGrey);
  Memo->setGeometry(8, 8, kWidth - 16, kMainHeight - 16);
  NAME_AFTER_MEMBER(Memo);

  PanelUnten = platform::AddButtonRow(this, QRect(0, kMainHeight, kWidth, kBottomHeight));
  platform::AddButtonPanel(PanelUnten, QRect(8, 9, 88, 48), QStringLiteral("E-Mail"), PanelEmail, SpeedButtonEmail);
  platform::AddButtonPanel(PanelUnten, QRect(104, 9, 88, 48), QStringLiteral("Internet"), PanelInternet,
                           SpeedButtonInternet);
  platform::AddButtonPanel(PanelUnten, QRect(200, 9, 88, 48), QStringLiteral("Support"), PanelSupport,
                           SpeedButtonSupport);
  platform::AddButtonPanel(PanelUnten, QRect(296, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  for (platform::SpeedButton* b : {SpeedButtonEmail, SpeedButtonInternet, SpeedButtonSupport, SpeedButtonAbbrechen})
    b->SetFontColor(kTeal);
  NAME_AFTER_MEMBER(PanelEmail);
  NAME_AFTER_MEMBER(SpeedButtonEmail);
  NAME_AFTER_MEMBER(SpeedButtonInternet);
  NAME_AFTER_MEMBER(SpeedButtonSupport);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);
  setFixedSize(kWidth, kMainHeight + kBottomHeight);

  connect(SpeedButtonEmail, &QAbstractButton::clicked, this, [this] { SpeedButtonEmailClick(SpeedButtonEmail); });
  connect(SpeedButtonInternet, &QAbstractButton::clicked, this,
          [this] { SpeedButtonInternetClick(SpeedButtonInternet); });
  connect(SpeedButtonSupport, &QAbstractButton::clicked, this,
          [this] { SpeedButtonSupportClick(SpeedButtonSupport); });
  connect(SpeedButtonAbbrechen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });

  FillMemo(0);
}

TFormInfo::~TFormInfo() {
  if (FormInfo == this) FormInfo = nullptr;
}

void TFormInfo::FillMemo(int language) {
  Memo->SetLines(app::InfoLines(language, platform::PcIdentifier()));
}

void TFormInfo::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormInfo::FormShow() {
  app::CentreOnMainWindow(this);
  FillMemo(FormSprache ? FormSprache->GetLanguage() : 0);
}

void TFormInfo::SpeedButtonEmailClick(QObject*) {
  SpeedButtonEmail->repaint();
  done(kEmail);
}

void TFormInfo::SpeedButtonInternetClick(QObject*) {
  SpeedButtonInternet->repaint();
  done(kInternet);
}

void TFormInfo::SpeedButtonSupportClick(QObject*) {
  SpeedButtonSupport->repaint();
  done(kSupport);
}

void TFormInfo::SpeedButtonAbbrechenClick(QObject*) {
  SpeedButtonAbbrechen->repaint();
  done(kCancel);
}

void TFormInfo::reject() { done(kCancel); }

void TFormInfo::keyPressEvent(QKeyEvent* event) {
  // Enter does nothing here; only Esc without modifiers closes.
  app::HandleOkCancelKeys(this, event, nullptr, {},
                          [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });
}
