#include "app/TFrameMenuHilfe.h"

#include "platform/Colours.h"
#include "platform/qt/LanguageTexts.h"

TFrameMenuHilfe::TFrameMenuHilfe(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuHilfe"));
  auto block = [this](int top, int height) {
    auto* panel = new platform::Panel(this);
    panel->setGeometry(0, top, 193, height);
    panel->SetColor(platform::colours::kSilver);
    panel->SetBevels(platform::BevelKind::Raised, platform::BevelKind::None);
    return panel;
  };
  PanelMain1 = block(0, 176);
  PanelMain2 = block(176, 65);
  platform::AddButtonPanel(PanelMain1, QRect(8, 8, 176, 48), QStringLiteral("Benutzerhandbuch"),
                           PanelBenutzerhandbuch, SpeedButtonBenutzerhandbuch);
  platform::AddButtonPanel(PanelMain1, QRect(8, 64, 176, 48), QStringLiteral("TeamViewer"), PanelFernsteuerung,
                           SpeedButtonFernsteuerung);
  platform::AddButtonPanel(PanelMain1, QRect(8, 120, 176, 48), QStringLiteral("E-Mail"), PanelEmail,
                           SpeedButtonEmail);
  platform::AddButtonPanel(PanelMain2, QRect(8, 8, 176, 48), QStringLiteral("Info"), PanelInfo, SpeedButtonInfo);
  NAME_AFTER_MEMBER(SpeedButtonBenutzerhandbuch);
  NAME_AFTER_MEMBER(SpeedButtonFernsteuerung);
  NAME_AFTER_MEMBER(SpeedButtonEmail);
  NAME_AFTER_MEMBER(SpeedButtonInfo);
  resize(193, 241);
  hide();
}
