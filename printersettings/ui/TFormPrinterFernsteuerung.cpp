#include "printersettings/ui/TFormPrinterFernsteuerung.h"

#include <QEvent>
#include <QShowEvent>

#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/RemoteControlRules.h"
#include "printersettings/SettingValues.h"
#include "printersettings/StepRepeat.h"
#include "printersettings/ui/DisplayUnitPanel.h"
#include "printersettings/ui/SettingWidgets.h"

TFormPrinterFernsteuerung* FormPrinterFernsteuerung = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

namespace {

constexpr int kWidth = 296;
constexpr int kInner = kWidth - 16;
constexpr int kKeyWidth = 56;
constexpr int kDisplayHeight = 56;
constexpr int kButtonRowHeight = 65;

}  // namespace

TFormPrinterFernsteuerung::TFormPrinterFernsteuerung(QWidget* owner, printerthread::RequestBoard& requests,
                                                     printerthread::PrinterWindowState& windows)
    : PrinterWindow(owner, "FormPrinterFernsteuerung", QStringLiteral(" Fernsteuerung"), true,
                    &windows.RemoteControlVisible),
      NameTexts(printerthread::PrinterCaptions{}.NameTexts),
      requests_(requests),
      windows_(windows) {
  FormPrinterFernsteuerung = this;
  const int half = kPanelHeight / 2;

  PanelDruckersteuerungStatus = new platform::Panel(this);
  PanelDruckersteuerungStatus->setGeometry(8, RowTop(0), kInner, kPanelHeight);
  PanelDruckersteuerungStatus->SetColor(printerthread::kOfferedColour);
  LabelDruckersteuerungStatusTitel =
      AddPanelLabel(PanelDruckersteuerungStatus, QRect(2, 4, kInner - 4, half - 4), QStringLiteral("Zustand"));
  LabelDruckersteuerungStatus =
      AddPanelLabel(PanelDruckersteuerungStatus, QRect(2, half, kInner - 4, half - 4), QStringLiteral("?"));
  LabelDruckersteuerungStatus->setFont(platform::VerdanaPx(11, true));

  // The chosen value and the printer's lie on the row's value line.
  auto stepRow = [&](int row, const QString& title, platform::Panel*& panel, QLabel*& titleLabel, QLabel*& chosen,
                     QLabel*& printers, platform::SpeedButton*& down, platform::SpeedButton*& up) {
    const ValueRow r = AddValueRow(this, QRect(8, RowTop(row), kInner, kPanelHeight), title);
    panel = r.panel;
    titleLabel = r.title;
    printers = r.value;
    chosen = AddPanelLabel(panel, printers->geometry(), QString());
    chosen->hide();
    down = r.down;
    up = r.up;
    down->raise();
    up->raise();
  };
  stepRow(1, QStringLiteral("Drucktext"), PanelDrucktext, LabelDrucktextIstTitel, LabelDrucktext, LabelDrucktextIst,
          SpeedButtonDownDrucktext, SpeedButtonUpDrucktext);
  stepRow(2, QStringLiteral("Druckmodus"), PanelDruckmodus, LabelDruckmodusIstTitel, LabelDruckmodus,
          LabelDruckmodusIst, SpeedButtonDownDruckmodus, SpeedButtonUpDruckmodus);
  LabelDrucktextIst->setText(QStringLiteral("?"));
  LabelDruckmodusIst->setText(QStringLiteral("?"));

  // "Display" and "-" on the panel's two lines while the unit's own lines
  // are not shown.
  const DisplayUnitLabels unit = AddDisplayUnitPanel(this, QRect(8, RowTop(3), kInner - kKeyWidth - 8, kDisplayHeight));
  PanelDisplayUnit = unit.panel;
  LabelDisplayUnitZeile0 = unit.line0;
  LabelDisplayUnitZeile1 = unit.line1;
  LabelDisplayUnit = unit.value;
  LabelDisplayUnit->setGeometry(unit.line1->geometry());
  LabelDisplayUnitTitel = AddPanelLabel(PanelDisplayUnit, unit.line0->geometry(), QStringLiteral("Display"));
  platform::AddButtonPanel(this, QRect(kWidth - 8 - kKeyWidth, RowTop(3), kKeyWidth, kDisplayHeight),
                           QString(QChar(0x25CF)), PanelDisplayUnitKey, SpeedButtonDisplayUnit);
  PanelDisplayUnitKey->SetColor(printerthread::kOfferedColour);
  SpeedButtonDisplayUnit->setEnabled(false);

  // The levels in the bottom row, as a dialog's buttons.
  const int rowTop = RowTop(3) + kDisplayHeight + 8;
  PanelUnten = platform::AddButtonRow(this, QRect(0, rowTop, kWidth, kButtonRowHeight));
  platform::AddButtonPanel(PanelUnten, QRect(8, 9, 88, 48), QStringLiteral("Start"), PanelStart, SpeedButtonStart);
  platform::AddButtonPanel(PanelUnten, QRect(104, 9, 88, 48), QStringLiteral("Stop"), PanelStop, SpeedButtonStop);
  platform::AddButtonPanel(PanelUnten, QRect(200, 9, 88, 48), QStringLiteral("Standby"), PanelStandby,
                           SpeedButtonStandby);

  TimerDrucktext = new RepeatTimer(this, kPrintTextRepeat, [this](int step) { TimerDrucktextTimer(step); });

  NAME_AFTER_MEMBER(LabelDruckersteuerungStatusTitel);
  NAME_AFTER_MEMBER(LabelDruckersteuerungStatus);
  NAME_AFTER_MEMBER(LabelDrucktextIstTitel);
  NAME_AFTER_MEMBER(LabelDrucktext);
  NAME_AFTER_MEMBER(LabelDrucktextIst);
  NAME_AFTER_MEMBER(SpeedButtonDownDrucktext);
  NAME_AFTER_MEMBER(SpeedButtonUpDrucktext);
  NAME_AFTER_MEMBER(PanelDruckmodus);
  NAME_AFTER_MEMBER(LabelDruckmodusIstTitel);
  NAME_AFTER_MEMBER(LabelDruckmodus);
  NAME_AFTER_MEMBER(LabelDruckmodusIst);
  NAME_AFTER_MEMBER(SpeedButtonDownDruckmodus);
  NAME_AFTER_MEMBER(SpeedButtonUpDruckmodus);
  NAME_AFTER_MEMBER(SpeedButtonStart);
  NAME_AFTER_MEMBER(SpeedButtonStop);
  NAME_AFTER_MEMBER(SpeedButtonStandby);
  NAME_AFTER_MEMBER(LabelDisplayUnitTitel);
  NAME_AFTER_MEMBER(LabelDisplayUnit);
  NAME_AFTER_MEMBER(LabelDisplayUnitZeile0);
  NAME_AFTER_MEMBER(LabelDisplayUnitZeile1);
  NAME_AFTER_MEMBER(SpeedButtonDisplayUnit);
  platform::RegisterTexts(this, "NameTexts", NameTexts);

  connect(SpeedButtonDownDrucktext, &QAbstractButton::pressed, this, [this] { SpeedButtonDownDrucktextMouseDown(); });
  connect(SpeedButtonUpDrucktext, &QAbstractButton::pressed, this, [this] { SpeedButtonUpDrucktextMouseDown(); });
  connect(SpeedButtonDownDrucktext, &QAbstractButton::released, this, [this] { SpeedButtonDownDrucktextMouseUp(); });
  connect(SpeedButtonUpDrucktext, &QAbstractButton::released, this, [this] { SpeedButtonUpDrucktextMouseUp(); });
  connect(SpeedButtonDownDrucktext, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDownDrucktextClick(SpeedButtonDownDrucktext); });
  connect(SpeedButtonUpDrucktext, &QAbstractButton::clicked, this,
          [this] { SpeedButtonUpDrucktextClick(SpeedButtonUpDrucktext); });
  connect(SpeedButtonDownDruckmodus, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDownDruckmodusClick(SpeedButtonDownDruckmodus); });
  connect(SpeedButtonUpDruckmodus, &QAbstractButton::clicked, this,
          [this] { SpeedButtonUpDruckmodusClick(SpeedButtonUpDruckmodus); });
  connect(SpeedButtonStart, &QAbstractButton::clicked, this, [this] { SpeedButtonStartClick(SpeedButtonStart); });
  connect(SpeedButtonStop, &QAbstractButton::clicked, this, [this] { SpeedButtonStopClick(SpeedButtonStop); });
  connect(SpeedButtonStandby, &QAbstractButton::clicked, this, [this] { SpeedButtonStandbyClick(SpeedButtonStandby); });
  connect(SpeedButtonDisplayUnit, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDisplayUnitClick(SpeedButtonDisplayUnit); });

  setFixedSize(kWidth, rowTop + kButtonRowHeight);
  UpdateView();
}

TFormPrinterFernsteuerung::~TFormPrinterFernsteuerung() {
  if (FormPrinterFernsteuerung == this) FormPrinterFernsteuerung = nullptr;
}

void TFormPrinterFernsteuerung::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  PrinterWindow::showEvent(event);
}

void TFormPrinterFernsteuerung::FormShow() {
  EditPrintText = PrinterPrintText();
  EditPrintMode = PrinterPrintMode();
  PrintModeIndex = -1;
  TargetState = -1;
  ButtonPressValue = -1;
  UpdateView();
}

void TFormPrinterFernsteuerung::UpdateView() {
  const RemoteChoiceView v =
      RemoteChoiceTexts({EditPrintText, EditPrintMode, PrintModeIndex, PrinterModeCount, CliWord}, NameTexts);
  SetStepCaptions(SpeedButtonDownDrucktext, SpeedButtonUpDrucktext, {v.PrintTextDown, v.PrintTextUp});
  if (v.PrintTextLabel) LabelDrucktext->setText(platform::ToQt(*v.PrintTextLabel));
  SetStepCaptions(SpeedButtonDownDruckmodus, SpeedButtonUpDruckmodus, {v.PrintModeDown, v.PrintModeUp});
  LabelDruckmodus->setText(platform::ToQt(v.PrintModeLabel));
  PanelDruckmodus->setEnabled(v.PrintModeEnabled);
}

void TFormPrinterFernsteuerung::ShowChosenPrintText(bool chosen) {
  LabelDrucktext->setVisible(chosen);
  LabelDrucktextIst->setVisible(!chosen);
}

void TFormPrinterFernsteuerung::ShowChosenPrintMode(bool chosen) {
  LabelDruckmodus->setVisible(chosen);
  LabelDruckmodusIst->setVisible(!chosen);
}

// ---- print data ----

void TFormPrinterFernsteuerung::StepPrintText(int step) {
  if (EditPrintText == kUnknown) return;
  EditPrintText = NormalizePrintText(EditPrintText + step, EditPrintText, PrinterTextCount);
  UpdateView();
}

void TFormPrinterFernsteuerung::SpeedButtonDownDrucktextClick(QObject* sender) {
  platform::RepaintSender(sender);
  if (EditPrintText == kUnknown) return;
  StepPrintText(-1);
  requests_.SelectDt.Raise({EditPrintText});
}

void TFormPrinterFernsteuerung::SpeedButtonUpDrucktextClick(QObject* sender) {
  platform::RepaintSender(sender);
  if (EditPrintText == kUnknown) return;
  StepPrintText(+1);
  requests_.SelectDt.Raise({EditPrintText});
}

void TFormPrinterFernsteuerung::PressPrintText(int direction) {
  // A choice not yet sent is stepped further; otherwise from the printer's.
  if (!requests_.SelectDt.Pending()) EditPrintText = PrinterPrintText();
  if (EditPrintText == kUnknown) return;
  TimerDrucktext->Start(direction);
  EditPrintText = NormalizePrintText(EditPrintText, EditPrintText, PrinterTextCount);
  UpdateView();
  ShowChosenPrintText(true);
}

void TFormPrinterFernsteuerung::ReleasePrintText() {
  TimerDrucktext->Stop();
  if (EditPrintText != kUnknown) requests_.SelectDt.Raise({EditPrintText});
}

void TFormPrinterFernsteuerung::SpeedButtonDownDrucktextMouseDown() { PressPrintText(-1); }
void TFormPrinterFernsteuerung::SpeedButtonUpDrucktextMouseDown() { PressPrintText(+1); }
void TFormPrinterFernsteuerung::SpeedButtonDownDrucktextMouseUp() { ReleasePrintText(); }
void TFormPrinterFernsteuerung::SpeedButtonUpDrucktextMouseUp() { ReleasePrintText(); }
void TFormPrinterFernsteuerung::TimerDrucktextTimer(int step) { StepPrintText(step); }

// ---- print mode ----

void TFormPrinterFernsteuerung::StepPrintMode(QObject* sender, bool up) {
  platform::RepaintSender(sender);
  printerthread::RemoteDpiRequest request;
  if (printerthread::HasCliBit(CliWord, printerthread::kCliPrintModeTable)) {
    // The printer keeps a table of print modes: the index is chosen, from
    // the printer's while its mode is shown.
    const int current = LabelDruckmodusIst->isHidden() ? PrintModeIndex : DpiIndex;
    const std::optional<int> next = StepPrintModeIndex(current, up, PrinterModeCount);
    if (!next) return;
    PrintModeIndex = *next;
    EditPrintMode = PrinterModeIndex[static_cast<std::size_t>(*next)];
    request.PrintModeIndex = PrintModeIndex;
  } else {
    if (EditPrintMode == kUnknown) return;
    EditPrintMode = StepFixedPrintMode(EditPrintMode, up, CliWord);
  }
  EditPrintMode = ClampPrintMode(EditPrintMode, CliWord);
  UpdateView();
  ShowChosenPrintMode(true);
  request.EditPrintMode = EditPrintMode;
  requests_.RemoteDpi.Raise(request);
}

void TFormPrinterFernsteuerung::SpeedButtonDownDruckmodusClick(QObject* sender) { StepPrintMode(sender, false); }
void TFormPrinterFernsteuerung::SpeedButtonUpDruckmodusClick(QObject* sender) { StepPrintMode(sender, true); }

// ---- level and display unit ----

void TFormPrinterFernsteuerung::RaiseLevel(QObject* sender, int target) {
  platform::RepaintSender(sender);
  TargetState = target;
  UpdateView();
  requests_.Level.Raise({TargetState});
}

void TFormPrinterFernsteuerung::SpeedButtonStartClick(QObject* sender) { RaiseLevel(sender, 50); }
void TFormPrinterFernsteuerung::SpeedButtonStopClick(QObject* sender) { RaiseLevel(sender, 40); }
void TFormPrinterFernsteuerung::SpeedButtonStandbyClick(QObject* sender) { RaiseLevel(sender, 10); }

void TFormPrinterFernsteuerung::SpeedButtonDisplayUnitClick(QObject* sender) {
  platform::RepaintSender(sender);
  ButtonPressValue = 1;
  UpdateView();
  requests_.DisplayButton.Raise({ButtonPressValue});
}

// ---- display steps ----

void TFormPrinterFernsteuerung::TakePrinterValues(const printerthread::PrinterMirror& m) {
  PrinterTextCount = m.DtCount;
  PrinterModeCount = m.ModeCount;
  PrinterModeIndex = m.ModeIndex;
  CliWord = m.CliWord;
  DpiIndex = m.DpiIndex;
}

void TFormPrinterFernsteuerung::ResetDisplay(const printerthread::DisplayView& view) {
  TakePrinterValues(view.mirror);
  LabelDruckersteuerungStatus->setText(QStringLiteral("?"));
  // The printer's labels come back; what they last said stays until the
  // printer answers again.
  ShowChosenPrintText(false);
  ShowChosenPrintMode(false);
  ShowDisplayUnit({PanelDisplayUnit, LabelDisplayUnitZeile0, LabelDisplayUnitZeile1, LabelDisplayUnit},
                  LabelDisplayUnitTitel, printerthread::DisplayUnitUnknown());
  SpeedButtonDisplayUnit->setEnabled(false);
}

void TFormPrinterFernsteuerung::RefreshDisplay(const printerthread::DisplayView& view) {
  const printerthread::PrinterMirror& m = view.mirror;
  TakePrinterValues(m);
  LabelDruckersteuerungStatus->setText(platform::ToQt(m.StatusText));
  LabelDrucktextIst->setText(platform::ToQt(m.DtText));
  LabelDruckmodusIst->setText(platform::ToQt(m.RemoteDpiText));
  if (printerthread::ShowPrinterPrintText(PrinterPrintText(), EditPrintText, requests_.SelectDt.Pending(),
                                          TimerDrucktext->Active()))
    ShowChosenPrintText(false);
  if (printerthread::ShowPrinterPrintMode(CliWord, DpiIndex, PrintModeIndex, PrinterPrintMode(), EditPrintMode,
                                          requests_.RemoteDpi.Pending()))
    ShowChosenPrintMode(false);
  const printerthread::DisplayUnitView unit = printerthread::DisplayUnitLines(m);
  ShowDisplayUnit({PanelDisplayUnit, LabelDisplayUnitZeile0, LabelDisplayUnitZeile1, LabelDisplayUnit},
                  LabelDisplayUnitTitel, unit);
  SpeedButtonDisplayUnit->setEnabled(unit.shown);
}

// ---- language ----

void TFormPrinterFernsteuerung::HandNames() {
  printerthread::PrinterCaptionTable().Update([this](printerthread::PrinterCaptions& c) { c.NameTexts = NameTexts; });
}

void TFormPrinterFernsteuerung::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) HandNames();
  PrinterWindow::changeEvent(event);
}
