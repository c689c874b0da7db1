#include "printdata/ui/TFrameMenuSchutz.h"

#include <string>

#include "platform/qt/NamedColours.h"
#include "printdata/Protection.h"
#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/MenuFrame.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/ToggleLook.h"

TFrameMenuSchutz::TFrameMenuSchutz(QWidget* owner) : QWidget(owner) {
  using printdata::ui::AddMenuButton;
  PanelEingang = printdata::ui::SetUpMenuFrame(this, "FrameMenuSchutz");
  PanelMain = printdata::ui::AddMenuBlock(this, "PanelMain", 0, 177);
  AddMenuButton(PanelMain, "PanelEbenen", "SpeedButtonEbenen", QStringLiteral("Ebenen"), 8, 8, PanelEbenen,
                SpeedButtonEbenen);
  AddMenuButton(PanelMain, "PanelParameter", "SpeedButtonParameter", QStringLiteral("Parameter"), 8, 64, PanelParameter,
                SpeedButtonParameter);
  AddMenuButton(PanelMain, "PanelNotizen", "SpeedButtonNotizen", QStringLiteral("Notizen"), 8, 120, PanelNotizen,
                SpeedButtonNotizen);
  connect(SpeedButtonParameter, &QAbstractButton::clicked, this,
          [this] { SpeedButtonParameterClick(SpeedButtonParameter); });
  connect(SpeedButtonNotizen, &QAbstractButton::clicked, this, [this] { SpeedButtonNotizenClick(SpeedButtonNotizen); });
  connect(SpeedButtonEbenen, &QAbstractButton::clicked, this, [this] { SpeedButtonEbenenClick(SpeedButtonEbenen); });
  // The layers button is disabled, so a click on it reaches its panel.
  printdata::ui::PassClicksWhenDisabled(SpeedButtonEbenen);
  printdata::ui::OnClick(PanelEbenen, [this] { PanelEbenenClick(PanelEbenen); });
  printdata::ui::OnClick(PanelMain, [this] { PanelMainClick(PanelMain); });

  resize(printdata::ui::kMenuWidth, 177);
  hide();
  SpeedButtonEbenen->Tag = 0;
  SpeedButtonParameter->Tag = 0;
  SpeedButtonNotizen->Tag = 0;
  SpeedButtonEbenen->setEnabled(false);
}

bool TFrameMenuSchutz::UserMode() const { return view_ && view_->Host() && view_->Host()->OperatingMode() == 0; }

void TFrameMenuSchutz::ShowFlags(std::int32_t v) {
  SpeedButtonEbenen->Tag = 0;
  SpeedButtonParameter->Tag = (v & printdata::kProtectParameters) ? 1 : 0;
  SpeedButtonNotizen->Tag = (v & printdata::kProtectNotes) ? 1 : 0;
  printdata::ui::SetToggleLook(PanelEbenen, SpeedButtonEbenen, SpeedButtonEbenen->Tag == 1);
  printdata::ui::SetToggleLook(PanelParameter, SpeedButtonParameter, SpeedButtonParameter->Tag == 1);
  printdata::ui::SetToggleLook(PanelNotizen, SpeedButtonNotizen, SpeedButtonNotizen->Tag == 1);
  const bool any = SpeedButtonEbenen->Tag == 1 || SpeedButtonParameter->Tag == 1 || SpeedButtonNotizen->Tag == 1;
  if (view_) printdata::ui::SetToggleLook(view_->PanelSchutz, view_->SpeedButtonSchutz, any);
}

void TFrameMenuSchutz::StoreFlags() {
  std::int32_t f = 0;
  if (SpeedButtonParameter->Tag == 1) f |= printdata::kProtectParameters;
  if (SpeedButtonNotizen->Tag == 1) f |= printdata::kProtectNotes;
  if (view_) {
    view_->Group.Protection = std::to_string(f);
    view_->SetModified(true);
  }
  ShowFlags(f);
}

void TFrameMenuSchutz::RefuseInUserMode(platform::SpeedButton* button) {
  DataViewHost& host = *view_->Host();
  host.ProcessMessages();
  host.ShowNotice(button->Caption(), host.CatalogueText(DataViewHost::kMsgUserCannotChange),
                  platform::colours::kSilver);
}

void TFrameMenuSchutz::Toggle(platform::SpeedButton* button) {
  if (!view_) return;
  if (view_->Host()) view_->Host()->ProcessMessages();
  if (UserMode()) {
    RefuseInUserMode(button);
    return;
  }
  // The menu stays open, so both toggles can be set in one visit.
  button->Tag = button->Tag == 1 ? 0 : 1;
  StoreFlags();
}

void TFrameMenuSchutz::SpeedButtonParameterClick(QObject*) { Toggle(SpeedButtonParameter); }
void TFrameMenuSchutz::SpeedButtonNotizenClick(QObject*) { Toggle(SpeedButtonNotizen); }

void TFrameMenuSchutz::SpeedButtonEbenenClick(QObject*) {
  if (UserMode()) RefuseInUserMode(SpeedButtonEbenen);
}

void TFrameMenuSchutz::PanelEbenenClick(QObject* sender) { SpeedButtonEbenenClick(sender); }

void TFrameMenuSchutz::PanelMainClick(QObject*) {
  if (view_ && view_->Host()) view_->Host()->CloseMenusAndRefresh();
}
