#include "printdata/ui/TFrameMenuBearbeiten.h"

#include "platform/Beep.h"
#include "platform/qt/NamedColours.h"
#include "printdata/Copy.h"
#include "printdata/Init.h"
#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/MenuFrame.h"
#include "printdata/ui/TFrameDaten.h"

TFrameMenuBearbeiten::TFrameMenuBearbeiten(QWidget* owner) : QWidget(owner) {
  using printdata::ui::AddMenuButton;
  PanelEingang = printdata::ui::SetUpMenuFrame(this, "FrameMenuBearbeiten");
  PanelMain1 = printdata::ui::AddMenuBlock(this, "PanelMain1", 0, 64);
  AddMenuButton(PanelMain1, "PanelBearbeiten", "SpeedButtonBearbeiten", QStringLiteral("Bearbeiten"), 8, 8,
                PanelBearbeiten, SpeedButtonBearbeiten);
  PanelMain2 = printdata::ui::AddMenuBlock(this, "PanelMain2", 64, 120);
  AddMenuButton(PanelMain2, "PanelNeu", "SpeedButtonNeu", QStringLiteral("Neu"), 8, 8, PanelNeu, SpeedButtonNeu);
  AddMenuButton(PanelMain2, "PanelEntfernen", "SpeedButtonEntfernen", QStringLiteral("Entfernen"), 8, 64,
                PanelEntfernen, SpeedButtonEntfernen);
  PanelMain3 = printdata::ui::AddMenuBlock(this, "PanelMain3", 184, 233);
  AddMenuButton(PanelMain3, "PanelAusschneiden", "SpeedButtonAusschneiden", QStringLiteral("Ausschneiden"), 8, 8,
                PanelAusschneiden, SpeedButtonAusschneiden);
  AddMenuButton(PanelMain3, "PanelKopieren", "SpeedButtonKopieren", QStringLiteral("Kopieren"), 8, 64, PanelKopieren,
                SpeedButtonKopieren);
  AddMenuButton(PanelMain3, "PanelEinfuegen", "SpeedButtonEinfuegen", QStringLiteral("Einfügen"), 8, 121,
                PanelEinfuegen, SpeedButtonEinfuegen);
  AddMenuButton(PanelMain3, "PanelEinfuegenErweitert", "SpeedButtonEinfuegenErweitert", QStringLiteral("Einfügen..."),
                8, 177, PanelEinfuegenErweitert, SpeedButtonEinfuegenErweitert);

  auto onClick = [this](platform::SpeedButton* b, void (TFrameMenuBearbeiten::*handler)(QObject*)) {
    connect(b, &QAbstractButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
  };
  onClick(SpeedButtonBearbeiten, &TFrameMenuBearbeiten::SpeedButtonBearbeitenClick);
  onClick(SpeedButtonNeu, &TFrameMenuBearbeiten::SpeedButtonNeuClick);
  onClick(SpeedButtonEntfernen, &TFrameMenuBearbeiten::SpeedButtonEntfernenClick);
  onClick(SpeedButtonAusschneiden, &TFrameMenuBearbeiten::SpeedButtonAusschneidenClick);
  onClick(SpeedButtonKopieren, &TFrameMenuBearbeiten::SpeedButtonKopierenClick);
  onClick(SpeedButtonEinfuegen, &TFrameMenuBearbeiten::SpeedButtonEinfuegenClick);
  onClick(SpeedButtonEinfuegenErweitert, &TFrameMenuBearbeiten::SpeedButtonEinfuegenErweitertClick);
  for (QWidget* b : {SpeedButtonNeu, SpeedButtonEntfernen, SpeedButtonAusschneiden, SpeedButtonEinfuegen,
                     SpeedButtonEinfuegenErweitert})
    printdata::ui::PassClicksWhenDisabled(b);
  auto onPanel = [this](platform::Panel* p, void (TFrameMenuBearbeiten::*handler)(QObject*)) {
    printdata::ui::OnClick(p, [this, p, handler] { (this->*handler)(p); });
  };
  onPanel(PanelNeu, &TFrameMenuBearbeiten::PanelNeuClick);
  onPanel(PanelEntfernen, &TFrameMenuBearbeiten::PanelEntfernenClick);
  onPanel(PanelAusschneiden, &TFrameMenuBearbeiten::PanelAusschneidenClick);
  onPanel(PanelEinfuegen, &TFrameMenuBearbeiten::PanelEinfuegenClick);
  onPanel(PanelEinfuegenErweitert, &TFrameMenuBearbeiten::PanelEinfuegenErweitertClick);
  onPanel(PanelMain1, &TFrameMenuBearbeiten::PanelMain1Click);
  onPanel(PanelMain2, &TFrameMenuBearbeiten::PanelMain1Click);
  onPanel(PanelMain3, &TFrameMenuBearbeiten::PanelMain1Click);

  resize(printdata::ui::kMenuWidth, 184 + 233);
  hide();
  SpeedButtonEinfuegen->Tag = 0;
  SpeedButtonEinfuegenErweitert->Tag = 0;
  SpeedButtonEinfuegen->setEnabled(false);
  SpeedButtonEinfuegenErweitert->setEnabled(false);
}

void TFrameMenuBearbeiten::ApplyEnabledStates(int count, bool locked) {
  if (locked) {
    for (QWidget* b : {SpeedButtonNeu, SpeedButtonEntfernen, SpeedButtonAusschneiden, SpeedButtonEinfuegen,
                       SpeedButtonEinfuegenErweitert})
      b->setEnabled(false);
    SpeedButtonKopieren->setEnabled(true);
    return;
  }
  SpeedButtonNeu->setEnabled(count < printdata::kMaxPrintTexts);
  SpeedButtonEntfernen->setEnabled(count >= 2);
  SpeedButtonAusschneiden->setEnabled(true);
  SpeedButtonKopieren->setEnabled(true);
  SpeedButtonEinfuegen->setEnabled(SpeedButtonEinfuegen->Tag != 0);
  SpeedButtonEinfuegenErweitert->setEnabled(SpeedButtonEinfuegenErweitert->Tag != 0);
}

void TFrameMenuBearbeiten::IdleStep() {
  if (view_ && view_->Host()) view_->Host()->CloseMenusAndRefresh();
}

bool TFrameMenuBearbeiten::Begin(platform::SpeedButton* button) {
  button->repaint();
  IdleStep();
  return view_ != nullptr;
}

void TFrameMenuBearbeiten::Guarded(void (TFrameMenuBearbeiten::*work)()) {
  try {
    (this->*work)();
  } catch (...) {
    platform::Beep(platform::BeepKind::Stop);
    if (view_) view_->ScrollBoxMain->setUpdatesEnabled(true);
  }
}

void TFrameMenuBearbeiten::SpeedButtonBearbeitenClick(QObject*) { Guarded(&TFrameMenuBearbeiten::Bearbeiten); }
void TFrameMenuBearbeiten::SpeedButtonNeuClick(QObject*) { Guarded(&TFrameMenuBearbeiten::Neu); }
void TFrameMenuBearbeiten::SpeedButtonEntfernenClick(QObject*) { Guarded(&TFrameMenuBearbeiten::Entfernen); }
void TFrameMenuBearbeiten::SpeedButtonAusschneidenClick(QObject*) { Guarded(&TFrameMenuBearbeiten::Ausschneiden); }
void TFrameMenuBearbeiten::SpeedButtonKopierenClick(QObject*) { Guarded(&TFrameMenuBearbeiten::Kopieren); }
void TFrameMenuBearbeiten::SpeedButtonEinfuegenClick(QObject*) { Guarded(&TFrameMenuBearbeiten::Einfuegen); }
void TFrameMenuBearbeiten::SpeedButtonEinfuegenErweitertClick(QObject*) {
  Guarded(&TFrameMenuBearbeiten::EinfuegenErweitert);
}

void TFrameMenuBearbeiten::ArmPaste() {
  for (platform::SpeedButton* b : {SpeedButtonEinfuegen, SpeedButtonEinfuegenErweitert}) {
    b->Tag = 1;
    b->setEnabled(true);
  }
}

void TFrameMenuBearbeiten::Bearbeiten() {
  if (!Begin(SpeedButtonBearbeiten)) return;
  view_->OpenInEditor(DataViewEditor::kStartView);
  IdleStep();
}

void TFrameMenuBearbeiten::Neu() {
  if (!Begin(SpeedButtonNeu)) return;
  TFrameDaten& d = *view_;
  const int c = d.Count, s = d.Selected;
  if (c > printdata::kMaxPrintTexts - 1 || s < 0 || s > c - 1) return;
  d.FreezeList();
  auto& texts = d.Group.Texts;
  for (int i = c - 1; i >= s + 1; --i) {
    printdata::PrintTextCopy(texts[static_cast<std::size_t>(i)], texts[static_cast<std::size_t>(i + 1)]);
    d.RenderRow(i + 1);
  }
  d.Count = c + 1;
  printdata::PrintTextInit(texts[static_cast<std::size_t>(s + 1)]);
  d.RenderRow(s + 1);
  d.SelectRow(d.RowImages[static_cast<std::size_t>(s + 1)]);
  d.SetModified(true);
  d.Repaint();
  IdleStep();
}

void TFrameMenuBearbeiten::Entfernen() {
  if (!Begin(SpeedButtonEntfernen)) return;
  TFrameDaten& d = *view_;
  const int c = d.Count, s = d.Selected;
  if (c < 2 || s < 0 || s > c - 1) return;
  d.FreezeList();
  auto& texts = d.Group.Texts;
  for (int i = s; i <= c - 2; ++i) {
    printdata::PrintTextCopy(texts[static_cast<std::size_t>(i + 1)], texts[static_cast<std::size_t>(i)]);
    d.RenderRow(i);
  }
  d.Count = c - 1;
  d.SelectRow(d.RowImages[static_cast<std::size_t>(s < c - 1 ? s : s - 1)]);
  d.SetModified(true);
  d.Repaint();
  IdleStep();
}

void TFrameMenuBearbeiten::Ausschneiden() {
  if (!Begin(SpeedButtonAusschneiden)) return;
  TFrameDaten& d = *view_;
  const int s = d.Selected;
  if (s < 0 || s >= printdata::kMaxPrintTexts) return;
  printdata::PrintText& text = d.Group.Texts[static_cast<std::size_t>(s)];
  printdata::PrintTextCopy(text, d.Clipboard);
  printdata::PrintTextInit(text);
  d.RenderRow(s);
  ArmPaste();
  d.SetModified(true);
  d.Repaint();
}

void TFrameMenuBearbeiten::Kopieren() {
  if (!Begin(SpeedButtonKopieren)) return;
  TFrameDaten& d = *view_;
  const int s = d.Selected;
  if (s < 0 || s >= printdata::kMaxPrintTexts) return;
  printdata::PrintTextCopy(d.Group.Texts[static_cast<std::size_t>(s)], d.Clipboard);
  ArmPaste();
}

void TFrameMenuBearbeiten::Einfuegen() {
  if (!Begin(SpeedButtonEinfuegen)) return;
  TFrameDaten& d = *view_;
  const int s = d.Selected;
  if (s < 0 || s >= printdata::kMaxPrintTexts) return;
  printdata::PrintTextCopy(d.Clipboard, d.Group.Texts[static_cast<std::size_t>(s)]);
  d.RenderRow(s);
  d.SetModified(true);
  d.Repaint();
  IdleStep();
}

void TFrameMenuBearbeiten::EinfuegenErweitert() {
  if (!Begin(SpeedButtonEinfuegenErweitert)) return;
  if (view_->Host()) view_->Host()->ShowPasteDialog();
  IdleStep();
}

void TFrameMenuBearbeiten::ProtectionNotice(platform::SpeedButton* button) {
  if (!view_ || !view_->Host()) return;
  DataViewHost& host = *view_->Host();
  if (host.OperatingMode() != 0 || !view_->AnyProtected()) return;
  host.ProcessMessages();
  host.ShowNotice2(button->Caption(), host.CatalogueText(DataViewHost::kMsgProtectionOn),
                   host.CatalogueText(DataViewHost::kMsgDeniedUser), platform::colours::kSilver);
}

void TFrameMenuBearbeiten::PanelNeuClick(QObject*) { ProtectionNotice(SpeedButtonNeu); }
void TFrameMenuBearbeiten::PanelEntfernenClick(QObject*) { ProtectionNotice(SpeedButtonEntfernen); }
void TFrameMenuBearbeiten::PanelAusschneidenClick(QObject*) { ProtectionNotice(SpeedButtonAusschneiden); }
void TFrameMenuBearbeiten::PanelEinfuegenClick(QObject*) { ProtectionNotice(SpeedButtonEinfuegen); }
void TFrameMenuBearbeiten::PanelEinfuegenErweitertClick(QObject*) { ProtectionNotice(SpeedButtonEinfuegenErweitert); }

void TFrameMenuBearbeiten::PanelMain1Click(QObject*) { IdleStep(); }
