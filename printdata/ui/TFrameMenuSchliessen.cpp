#include "printdata/ui/TFrameMenuSchliessen.h"

#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/MenuFrame.h"
#include "printdata/ui/TFrameDaten.h"

TFrameMenuSchliessen::TFrameMenuSchliessen(QWidget* owner) : QWidget(owner) {
  using printdata::ui::AddMenuButton;
  PanelEingang = printdata::ui::SetUpMenuFrame(this, "FrameMenuSchliessen");
  PanelMain = printdata::ui::AddMenuBlock(this, "PanelMain", 0, 121);
  AddMenuButton(PanelMain, "PanelSchliessenJa", "SpeedButtonSchliessenJa", QStringLiteral("Ja"), 8, 8,
                PanelSchliessenJa, SpeedButtonSchliessenJa);
  AddMenuButton(PanelMain, "PanelSchliessenNein", "SpeedButtonSchliessenNein", QStringLiteral("Nein"), 8, 64,
                PanelSchliessenNein, SpeedButtonSchliessenNein);
  connect(SpeedButtonSchliessenJa, &QAbstractButton::clicked, this,
          [this] { SpeedButtonSchliessenJaClick(SpeedButtonSchliessenJa); });
  connect(SpeedButtonSchliessenNein, &QAbstractButton::clicked, this,
          [this] { SpeedButtonSchliessenNeinClick(SpeedButtonSchliessenNein); });
  printdata::ui::OnClick(PanelMain, [this] { PanelMainClick(PanelMain); });
  resize(printdata::ui::kMenuWidth, 121);
  hide();
}

void TFrameMenuSchliessen::IdleStep() {
  if (view_ && view_->Host()) view_->Host()->CloseMenusAndRefresh();
}

void TFrameMenuSchliessen::SpeedButtonSchliessenJaClick(QObject* sender) {
  platform::RepaintSender(sender);
  IdleStep();
  if (!view_) return;
  view_->CloseData();
  IdleStep();
}

void TFrameMenuSchliessen::SpeedButtonSchliessenNeinClick(QObject*) {
  SpeedButtonSchliessenNein->repaint();
  IdleStep();
}

void TFrameMenuSchliessen::PanelMainClick(QObject*) { IdleStep(); }
