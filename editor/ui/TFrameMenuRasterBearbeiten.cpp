#include "editor/ui/TFrameMenuRasterBearbeiten.h"

#include "editor/GridImage.h"
#include "editor/ui/PaneLook.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"

TFrameMenuRasterBearbeiten::TFrameMenuRasterBearbeiten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuRasterBearbeiten"));
  setFont(platform::VerdanaPx(11));
  PanelMain = new platform::Panel(this);
  PanelMain->setObjectName(QStringLiteral("PanelMain"));
  PanelMain->SetColor(platform::colours::kSilver);
  PanelMain->setGeometry(0, 0, 104, 232);
  platform::AddButtonPanel(PanelMain, QRect(8, 8, 88, 48), QStringLiteral("Aus"), PanelAus, SpeedButtonAus);
  platform::AddButtonPanel(PanelMain, QRect(8, 64, 88, 48), QStringLiteral("Pixel"), PanelPixel, SpeedButtonPixel);
  platform::AddButtonPanel(PanelMain, QRect(8, 120, 88, 48), QStringLiteral("Millimeter"), PanelMillimeter,
                           SpeedButtonMillimeter);
  platform::AddButtonPanel(PanelMain, QRect(8, 176, 88, 48), QStringLiteral("Bereiche"), PanelBereich, SpeedButtonBereich);
  NAME_AFTER_MEMBER(PanelAus);
  NAME_AFTER_MEMBER(SpeedButtonAus);
  NAME_AFTER_MEMBER(PanelPixel);
  NAME_AFTER_MEMBER(SpeedButtonPixel);
  NAME_AFTER_MEMBER(PanelMillimeter);
  NAME_AFTER_MEMBER(SpeedButtonMillimeter);
  NAME_AFTER_MEMBER(PanelBereich);
  NAME_AFTER_MEMBER(SpeedButtonBereich);
  connect(SpeedButtonAus, &QAbstractButton::clicked, this, [this] { SpeedButtonAusClick(SpeedButtonAus); });
  connect(SpeedButtonPixel, &QAbstractButton::clicked, this, [this] { SpeedButtonPixelClick(SpeedButtonPixel); });
  connect(SpeedButtonMillimeter, &QAbstractButton::clicked, this,
          [this] { SpeedButtonMillimeterClick(SpeedButtonMillimeter); });
  connect(SpeedButtonBereich, &QAbstractButton::clicked, this, [this] { SpeedButtonBereichClick(SpeedButtonBereich); });
  resize(104, 232);
  hide();
}

void TFrameMenuRasterBearbeiten::mousePressEvent(QMouseEvent*) { PanelMainClick(PanelMain); }

void TFrameMenuRasterBearbeiten::PanelMainClick(QObject*) {
  if (editor_ && editor_->Host()) editor_->Host()->CloseMenusAndRefresh();
}

void TFrameMenuRasterBearbeiten::Choose(int mode, QObject* sender) {
  platform::RepaintSender(sender);
  if (!editor_) return;
  editor_->LabelRaster->Tag = mode;
  ApplyGrid();
}

void TFrameMenuRasterBearbeiten::SpeedButtonAusClick(QObject* s) { Choose(editor::kGridNone, s); }
void TFrameMenuRasterBearbeiten::SpeedButtonPixelClick(QObject* s) { Choose(editor::kGridPixel, s); }
void TFrameMenuRasterBearbeiten::SpeedButtonMillimeterClick(QObject* s) { Choose(editor::kGridMillimetre, s); }
void TFrameMenuRasterBearbeiten::SpeedButtonBereichClick(QObject* s) { Choose(editor::kGridAreas, s); }

void TFrameMenuRasterBearbeiten::ApplyGrid() {
  const std::array<std::pair<platform::Panel*, platform::SpeedButton*>, 4> entries = {
      {{PanelAus, SpeedButtonAus}, {PanelPixel, SpeedButtonPixel}, {PanelMillimeter, SpeedButtonMillimeter},
       {PanelBereich, SpeedButtonBereich}}};
  for (const auto& [panel, button] : entries) {
    panel->SetColor(editor::ui::kEntryNormal);
    button->SetFontColor(editor::ui::kNavy);
    button->SetBold(false);
  }
  if (!editor_) return;
  const int stored = editor_->LabelRaster->Tag;
  // An unknown mode is drawn as none; the stored value stays.
  const int mode = stored >= 1 && stored <= 3 ? stored : 0;
  const auto& [panel, button] = entries[static_cast<std::size_t>(mode)];
  panel->SetColor(editor::ui::kEntryChosen);
  button->SetFontColor(editor::ui::kWhite);
  button->SetBold(true);
  editor_->LabelRaster->setText(button->Caption());
  editor_->FrameBearbeitenVorschau->RedrawGrid(editor_->FrameBearbeitenVorschau->ImageRaster, mode);
  if (editor_->Host()) editor_->Host()->CloseMenusAndRefresh();
}
