#include "editor/ui/TFrameBearbeitenParameter.h"

#include <QCoreApplication>
#include <algorithm>

#include "editor/PrintStrip.h"
#include "editor/ui/PaneLook.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "platform/qt/Colour.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/TextCodec.h"
#include "printdata/PrintField.h"
#include "printdata/TotalLength.h"

using namespace editor;
using editor::ui::StepControl;

namespace {

constexpr int kBottomHeight = 64;
constexpr int kRow[4] = {19, 75, 131, 187};

struct ValuePanel {
  const char* panel;
  const char* title;
};
// The panels of the twenty values, in the order of ParameterIndex.
constexpr ValuePanel kPanels[kParameterCount] = {
    {"PanelVorlauf", "Vorlauf"},           {"PanelDrucklaenge", "Drucklänge"}, {"PanelAnzahl", "Anzahl"},
    {"PanelAbstand", "Abstand"},           {"PanelAnzahl2", "Anzahl"},         {"PanelAbstand2", "Abstand"},
    {"PanelNachlauf", "Nachlauf"},         {"PanelLage", "Lage"},              {"PanelVorlaufX2", "Vorlauf"},
    {"PanelDrucklaengeX2", "Drucklänge"},  {"PanelAnzahlX2", "Anzahl"},        {"PanelAbstandX2", "Abstand"},
    {"PanelAnzahl2X2", "Anzahl"},          {"PanelAbstand2X2", "Abstand"},     {"PanelNachlaufX2", "Nachlauf"},
    {"PanelLageX2", "Lage"},               {"PanelVorlaufZ", "Vorlauf"},       {"PanelAnzahlZ", "Anzahl"},
    {"PanelAbstandZ", "Abstand"},          {"PanelNachlaufZ", "Nachlauf"},
};

bool IsOrientation(int i) { return i == kLage || i == kLage + kX2; }
bool IsWide(int i) { return i == kAnzahl2 || i == kAbstand2 || i == kAnzahl2 + kX2 || i == kAbstand2 + kX2; }

QString Caption(int i, std::int32_t v) { return platform::ToQt(ParameterCaption(i, v)); }

// The print view's legend on the X1 panels.
std::uint32_t LegendColour(int i) {
  switch (i) {
    case kVorlauf: return kStripLeadIn;
    case kDrucklaenge:
    case kLage: return kStripPrint;
    case kAnzahl:
    case kAbstand: return kStripDistance;
    case kAnzahl2:
    case kAbstand2: return kStripGroupGap;
    case kNachlauf: return kStripRunOut;
    default: return editor::ui::kValuePanel;
  }
}

}  // namespace

TFrameBearbeitenParameter::TFrameBearbeitenParameter(TFrameBearbeiten* editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("FrameBearbeitenParameter"));
  setFont(platform::VerdanaPx(11));
  ScrollBox = new QScrollArea(this);
  ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
  ScrollBox->setFrameShape(QFrame::NoFrame);
  ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox->setWidgetResizable(false);
  platform::SetWindowColour(ScrollBox->viewport(), editor::ui::kPageColour);
  content_ = new QWidget;
  platform::SetWindowColour(content_, editor::ui::kPageColour);
  ScrollBox->setWidget(content_);

  PanelParameter = editor::ui::AddPaneRow(content_, QStringLiteral("PanelParameter"), QStringLiteral("LabelParameterTitel"),
                                          TitleSingle, &LabelParameterTitel);
  PanelParameterX2 = editor::ui::AddPaneRow(content_, QStringLiteral("PanelParameterX2"),
                                            QStringLiteral("LabelParameterX2Titel"), TitleX2, &LabelParameterX2Titel);
  PanelParameterZ = editor::ui::AddPaneRow(content_, QStringLiteral("PanelParameterZ"),
                                           QStringLiteral("LabelParameterZTitel"), TitleY, &LabelParameterZTitel);
  for (platform::Label* t : {LabelParameterTitel, LabelParameterX2Titel, LabelParameterZTitel}) t->resize(600, 15);

  for (int i = 0; i < kParameterCount; ++i) {
    platform::Panel* set = i < kX2 ? PanelParameter : i < kVorlaufZ ? PanelParameterX2 : PanelParameterZ;
    const QString panel = QString::fromLatin1(kPanels[i].panel);
    const QString title = QString::fromUtf8(kPanels[i].title);
    StepControl& c = Values[static_cast<std::size_t>(i)];
    if (IsOrientation(i)) {
      const editor::ui::ToggleControl t = editor::ui::AddToggleControl(set, panel, title);
      c.Panel = t.Panel;
      c.Title = t.Title;
      c.Value = t.Value;
      // The orientation's one button stands in Down; Up stays empty.
      c.Down = nullptr;
      connect(t.Button, &QAbstractButton::clicked, this, [this, b = t.Button] { Lage(b); });
      (i == kLage ? SpeedButtonLage : SpeedButtonLageX2) = t.Button;
      continue;
    }
    c = editor::ui::AddStepControl(set, panel, title, QStringLiteral("-"), QStringLiteral("+"));
    c.Padded = !IsWide(i);
    connect(c.Down, &QAbstractButton::clicked, this, [this, b = c.Down] { Down(b); });
    connect(c.Up, &QAbstractButton::clicked, this, [this, b = c.Up] { Up(b); });
    if (ParameterFields()[static_cast<std::size_t>(i)].RepeatMs != 0) {
      for (QAbstractButton* b : {static_cast<QAbstractButton*>(c.Down), static_cast<QAbstractButton*>(c.Up)}) {
        connect(b, &QAbstractButton::pressed, this, [this, b] { FastStart(b); });
        connect(b, &QAbstractButton::released, this, [this, b] { FastEnd(b); });
      }
    }
  }
  LabelVorlauf = Value(kVorlauf);
  LabelDrucklaenge = Value(kDrucklaenge);
  LabelAnzahl = Value(kAnzahl);
  LabelAbstand = Value(kAbstand);
  LabelAnzahl2 = Value(kAnzahl2);
  LabelAbstand2 = Value(kAbstand2);
  LabelNachlauf = Value(kNachlauf);
  LabelLage = Value(kLage);

  PanelBottom = new platform::Panel(content_);
  PanelBottom->setObjectName(QStringLiteral("PanelBottom"));
  PanelBottom->SetColor(editor::ui::kPageColour);
  PanelBottom->SetTopLine(true);
  platform::AddButtonPanel(PanelBottom, QRect(8, 8, 88, 48), QStringLiteral("X2 / Y"), PanelMoreLess, SpeedButtonMoreLess);
  NAME_AFTER_MEMBER(PanelMoreLess);
  NAME_AFTER_MEMBER(SpeedButtonMoreLess);
  connect(SpeedButtonMoreLess, &QAbstractButton::clicked, this, [this] { SpeedButtonMoreLessClick(SpeedButtonMoreLess); });
  struct Bottom {
    editor::ui::ToggleControl* control;
    platform::SpeedButton** button;
    const char* name;
    const char* title;
    const char* caption;
    void (TFrameBearbeitenParameter::*click)(QObject*);
  };
  using T = TFrameBearbeitenParameter;
  const Bottom bottoms[6] = {
      {&KopierenX1X2, &SpeedButtonKopierenX1X2, "PanelKopierenX1X2", "Kopieren", "X1 --> X2", &T::SpeedButtonKopierenX1X2Click},
      {&KopierenX2X1, &SpeedButtonKopierenX2X1, "PanelKopierenX2X1", "Kopieren", "X2 --> X1", &T::SpeedButtonKopierenX2X1Click},
      {&TauschenX1X2, &SpeedButtonTauschenX1X2, "PanelTauschenX1X2", "Tauschen", "X1 <-> X2", &T::SpeedButtonTauschenX1X2Click},
      {&LoeschenX1, &SpeedButtonLoeschenX1, "PanelLoeschenX1", "L\u00f6schen", "X1", &T::SpeedButtonLoeschenX1Click},
      {&LoeschenX2, &SpeedButtonLoeschenX2, "PanelLoeschenX2", "L\u00f6schen", "X2", &T::SpeedButtonLoeschenX2Click},
      {&LoeschenZ, &SpeedButtonLoeschenZ, "PanelLoeschenZ", "L\u00f6schen", "Y", &T::SpeedButtonLoeschenZClick},
  };
  for (int i = 0; i < 6; ++i) {
    const Bottom& b = bottoms[i];
    *b.control = editor::ui::AddToggleControl(PanelBottom, QString::fromLatin1(b.name), QString::fromUtf8(b.title));
    b.control->Place(QRect(8 + (i + 1) * 96, 8, 88, 48));
    b.control->Panel->SetColor(editor::ui::kEntryNormal);
    b.control->Value->setText(QString::fromLatin1(b.caption));
    *b.button = b.control->Button;
    connect(*b.button, &QAbstractButton::clicked, this, [this, b] { (this->*b.click)(*b.button); });
  }

  TimerFast = editor::ui::AddRepeatTimer(this, "TimerFast");
  connect(TimerFast, &QTimer::timeout, this, [this] { TimerFastTimer(); });

  platform::RegisterText(this, "TitleSingle", TitleSingle);
  platform::RegisterText(this, "TitleX1", TitleX1);
  platform::RegisterText(this, "TitleX2", TitleX2);
  platform::RegisterText(this, "TitleY", TitleY);
  platform::RegisterText(this, "TotalWord", TotalWord);

  SetTags(LoadParameterValues(printdata::PrintParameters{}));
  SetExtendedView(false);
  hide();
}

// --- Values ---------------------------------------------------------------

ParameterValueSet TFrameBearbeitenParameter::Tags() const {
  ParameterValueSet v{};
  for (int i = 0; i < kParameterCount; ++i) v[static_cast<std::size_t>(i)] = Value(i)->Tag;
  return v;
}

void TFrameBearbeitenParameter::SetTags(const ParameterValueSet& values) {
  for (int i = 0; i < kParameterCount; ++i) Value(i)->Tag = values[static_cast<std::size_t>(i)];
}

void TFrameBearbeitenParameter::LoadValues(const printdata::PrintParameters& parameters) {
  SetTags(LoadParameterValues(parameters));
}

bool TFrameBearbeitenParameter::ExtendedView() const { return PanelMoreLess->Color() == editor::ui::kNavy; }

void TFrameBearbeitenParameter::SetExtendedView(bool on) {
  PanelMoreLess->SetColor(on ? editor::ui::kNavy : editor::ui::kEntryNormal);
  SpeedButtonMoreLess->SetFontColor(on ? editor::ui::kWhite : editor::ui::kNavy);
  SpeedButtonMoreLess->SetBold(on);
  PanelParameterX2->setVisible(on);
  PanelParameterZ->setVisible(on);
  for (const editor::ui::ToggleControl* c : {&KopierenX1X2, &KopierenX2X1, &TauschenX1X2, &LoeschenX1, &LoeschenX2, &LoeschenZ})
    c->Panel->setVisible(on);
}

// --- The refresh ----------------------------------------------------------

void TFrameBearbeitenParameter::UpdateParameters() {
  // 1, 2: clamp set by set, then the set's rows.
  for (int i = 0; i < kParameterCount; ++i) {
    const StepControl& c = Values[static_cast<std::size_t>(i)];
    const ClampedStep s = ClampParameter(i, c.Value->Tag);
    c.Value->Tag = s.Value;
    if (c.Down) c.ShowLimits(s.AtMin, s.AtMax);
  }
  auto setRows = [this](int first, platform::Panel* set) {
    const SetXRows rows = RowsOfSetX(Value(first + kAnzahl)->Tag, Value(first + kAnzahl2)->Tag);
    Values[static_cast<std::size_t>(first + kAbstand)].Panel->setVisible(rows.Abstand);
    Values[static_cast<std::size_t>(first + kAnzahl2)].Panel->setVisible(rows.Anzahl2);
    Values[static_cast<std::size_t>(first + kAbstand2)].Panel->setVisible(rows.Abstand2);
    set->resize(set->width(), rows.Height);
  };
  setRows(0, PanelParameter);
  setRows(kX2, PanelParameterX2);
  const SetYRows yRows = RowsOfSetY(Value(kAnzahlZ)->Tag);
  Values[kAbstandZ].Panel->setVisible(yRows.AbstandZ);
  PanelParameterZ->resize(PanelParameterZ->width(), yRows.Height);
  // 3: the scroll range.
  Layout();
  if (editor_->Loading) return;

  // 5: into the working copy.
  printdata::PrintText& work = editor_->WorkText;
  StoreParameterValues(Tags(), work.Parameters);
  // 6: titles and captions, totals after the change.
  const std::string total = platform::FromQt(TotalWord);
  LabelParameterTitel->setText(platform::ToQt(
      SetTitle(platform::FromQt(ExtendedView() ? TitleX1 : TitleSingle), total, printdata::TotalLengthX1(work))));
  LabelParameterX2Titel->setText(platform::ToQt(SetTitle(platform::FromQt(TitleX2), total, printdata::TotalLengthX2(work))));
  LabelParameterZTitel->setText(platform::ToQt(SetTitle(platform::FromQt(TitleY), total, printdata::TotalLengthY(work))));
  for (int i = 0; i < kParameterCount; ++i) Value(i)->setText(Caption(i, Value(i)->Tag));

  // 7: the print field follows the print length.
  TFrameBearbeitenVorschau* preview = editor_->FrameBearbeitenVorschau;
  const int zoom = editor_->EditorZoom();
  const std::int64_t width = static_cast<std::int64_t>(Value(kDrucklaenge)->Tag) * printdata::kDotsPerMillimetre;
  preview->ResizeBackground(preview->ImageHintergrund, zoom, true, width);
  for (editor::ui::ImageControl* image : preview->ImageGross) preview->ResizeLayerImage(image, zoom, true, width);
  for (unsigned n = 0; n < static_cast<unsigned>(printdata::kLayerCount); ++n) editor_->RenderLayer(n, editor::ui::kLayerBlack);
  const int mode = editor_->GridMode();
  preview->DrawGrid(preview->ImageRaster, zoom, mode >= 1 && mode <= 3 ? mode : 0, width);
  editor_->LayoutPage();

  // 8: an open print view follows.
  if (editor_->PrintViewShown()) editor_->FormBearbeitenDruckansicht->DrawPrintView();
}

void TFrameBearbeitenParameter::Layout() {
  const int w = std::max(ScrollBox->viewport()->width(), 300);
  const int cw = std::min(176, (w - 40) / 4);
  for (int i = 0; i < kParameterCount; ++i) {
    const int k = i < kVorlaufZ ? i % kX2 : i;
    int column = 0, row = 0, span = 1;
    switch (k) {
      case kVorlauf: column = 0; break;
      case kDrucklaenge: column = 1; break;
      case kAnzahl: column = 2; break;
      case kNachlauf: column = 3; break;
      case kLage: row = 1; break;
      case kAbstand: row = 1; column = 2; break;
      case kAnzahl2: row = 2; column = 1; span = 2; break;
      case kAbstand2: row = 3; column = 1; span = 2; break;
      case kVorlaufZ: break;
      case kAnzahlZ: column = 2; break;
      case kNachlaufZ: column = 3; break;
      case kAbstandZ: row = 1; column = 2; break;
      default: break;
    }
    const QRect r(8 + column * (cw + 8), kRow[row], span * cw + (span - 1) * 8, editor::ui::kControlHeight);
    Values[static_cast<std::size_t>(i)].Place(r);
  }
  int y = 0;
  for (platform::Panel* set : {PanelParameter, PanelParameterX2, PanelParameterZ}) {
    set->setGeometry(0, y, w, set->height());
    if (!set->isHidden()) y += set->height();
  }
  PanelBottom->setGeometry(0, y, w, kBottomHeight);
  content_->resize(w, y + kBottomHeight);
}

void TFrameBearbeitenParameter::resizeEvent(QResizeEvent*) {
  ScrollBox->setGeometry(rect());
  Layout();
}

void TFrameBearbeitenParameter::ShowProtected(bool locked) {
  for (const StepControl& c : Values) c.Panel->SetColor(locked ? editor::ui::kLocked : editor::ui::kValuePanel);
}

void TFrameBearbeitenParameter::ShowLegend(bool on) {
  for (int i = 0; i < kX2; ++i)
    Values[static_cast<std::size_t>(i)].Panel->SetColor(on ? LegendColour(i) : editor::ui::kValuePanel);
}

// --- Steps ----------------------------------------------------------------

std::pair<int, int> TFrameBearbeitenParameter::ButtonOf(const QObject* sender) const {
  for (int i = 0; i < kParameterCount; ++i) {
    const StepControl& c = Values[static_cast<std::size_t>(i)];
    if (!c.Down) continue;
    if (sender == c.Down) return {i, -1};
    if (sender == c.Up) return {i, 1};
  }
  return {-1, 0};
}

bool TFrameBearbeitenParameter::Refused() const {
  editor::ui::EditorHost* host = editor_->Host();
  editor::ui::EditorDataView* data = editor_->DataView();
  if (!host || host->OperatingMode() != 0 || !data || !data->ParametersProtected()) return false;
  return true;
}

bool TFrameBearbeitenParameter::Begin(QObject* sender, bool guarded) {
  platform::RepaintSender(sender);
  if (editor_->Host()) editor_->Host()->HideMenuFrames();
  if (!guarded || !Refused()) return true;
  QCoreApplication::processEvents();
  editor_->Host()->ShowProtectionNotice(LabelParameterTitel->text());
  return false;
}

void TFrameBearbeitenParameter::Step(QObject* sender, int direction) {
  if (!Begin(sender, true)) return;
  const int index = ButtonOf(sender).first;
  if (index >= 0) Value(index)->Tag = ParameterStep(index, Value(index)->Tag, direction);
  UpdateParameters();
}

void TFrameBearbeitenParameter::Down(QObject* sender) { Step(sender, -1); }
void TFrameBearbeitenParameter::Up(QObject* sender) { Step(sender, 1); }

void TFrameBearbeitenParameter::Lage(QObject* sender) {
  if (!Begin(sender, true)) return;
  platform::Label* lage = sender == SpeedButtonLageX2 ? Value(kLage + kX2) : Value(kLage);
  lage->Tag = ToggledOrientation(lage->Tag);
  UpdateParameters();
}

void TFrameBearbeitenParameter::FastStart(QObject* sender) {
  if (Refused()) return;
  RepeatButton = sender;
  repeatPending_ = false;
  TimerFast->setInterval(500);
  TimerFast->start();
  UpdateParameters();
}

void TFrameBearbeitenParameter::TimerFastTimer() {
  TimerFast->setInterval(100);
  const auto [index, direction] = ButtonOf(RepeatButton);
  if (index < 0) return;
  platform::Label* value = Value(index);
  if (ParameterFields()[static_cast<std::size_t>(index)].Unit == ParameterUnit::Tenths) {
    // Distances run in tenths every 10 ms and refresh at whole millimetres.
    TimerFast->setInterval(10);
    value->Tag = ParameterStep(index, value->Tag, direction);
    repeatPending_ = value->Tag % 10 != 0;
    if (!repeatPending_) UpdateParameters();
    return;
  }
  value->Tag = ParameterStep(index, value->Tag, direction);
  UpdateParameters();
}

void TFrameBearbeitenParameter::FastEnd(QObject*) {
  TimerFast->stop();
  TimerFast->setInterval(500);
  RepeatButton = nullptr;
  // A distance released between two whole millimetres is stored and shown
  // as it stands, whether or not the release is also a click.
  if (repeatPending_) {
    repeatPending_ = false;
    UpdateParameters();
  }
}

// --- Switch, copy, swap, reset ---------------------------------------------

void TFrameBearbeitenParameter::SpeedButtonMoreLessClick(QObject* sender) {
  Begin(sender, false);
  SetExtendedView(!ExtendedView());
  UpdateParameters();
}

// Copy, swap and reset change the parameters as much as a step does, so in
// operating mode 0 they respect the protection of the parameters too.
void TFrameBearbeitenParameter::ChangeSets(QObject* sender, const std::function<void(ParameterValueSet&)>& change) {
  if (!Begin(sender, true)) return;
  ParameterValueSet v = Tags();
  change(v);
  SetTags(v);
  UpdateParameters();
}

namespace {

void CopySet(ParameterValueSet& v, int from, int to) {
  for (int i = 0; i < kX2; ++i) v[static_cast<std::size_t>(to + i)] = v[static_cast<std::size_t>(from + i)];
}

}  // namespace

void TFrameBearbeitenParameter::SpeedButtonKopierenX1X2Click(QObject* sender) {
  ChangeSets(sender, [](ParameterValueSet& v) { CopySet(v, 0, kX2); });
}

void TFrameBearbeitenParameter::SpeedButtonKopierenX2X1Click(QObject* sender) {
  ChangeSets(sender, [](ParameterValueSet& v) { CopySet(v, kX2, 0); });
}

void TFrameBearbeitenParameter::SpeedButtonTauschenX1X2Click(QObject* sender) {
  ChangeSets(sender, [](ParameterValueSet& v) {
    for (int i = 0; i < kX2; ++i) std::swap(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(i + kX2)]);
  });
}

void TFrameBearbeitenParameter::SpeedButtonLoeschenX1Click(QObject* sender) {
  ChangeSets(sender, [](ParameterValueSet& v) { ResetSetX(v, 0); });
}

void TFrameBearbeitenParameter::SpeedButtonLoeschenX2Click(QObject* sender) {
  ChangeSets(sender, [](ParameterValueSet& v) { ResetSetX(v, kX2); });
}

void TFrameBearbeitenParameter::SpeedButtonLoeschenZClick(QObject* sender) {
  ChangeSets(sender, [](ParameterValueSet& v) { ResetSetY(v); });
}
