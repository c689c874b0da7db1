#include "printersettings/ui/TFormPrinterSteuerungPulsdauer.h"

#include <QPainter>
#include <QPixmap>

#include "platform/qt/Colour.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/ui/SettingWidgets.h"

TFormPrinterSteuerungPulsdauer* FormPrinterSteuerungPulsdauer = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

namespace {

constexpr int kBaseWidth = 585;
constexpr int kExpertWidth = 192;
constexpr int kRowsTop = 120;
constexpr int kButtonRowTop = 232;

// Rows 0 to 2 in the upper line, 3 and 4 and "..." in the lower one.
QRect CellRect(int cell) { return RowRect(cell / 3, kRowsTop, kColumnLeft + (cell % 3) * (kPanelWidth + 8)); }

}  // namespace

TFormPrinterSteuerungPulsdauer::TFormPrinterSteuerungPulsdauer(
    QWidget* owner, printerthread::RequestSlot<printerthread::PulseDurationRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterSteuerungPulsdauer", QStringLiteral(" Steuerung Pulsdauer")) {
  FormPrinterSteuerungPulsdauer = this;
  ImagePuls = new QLabel(this);
  ImagePuls->setGeometry(8, 8, kDiagramWidth, kDiagramHeight);
  ImagePuls->setScaledContents(true);
  ImageAuffrischen = new QLabel(this);
  ImageAuffrischen->setGeometry(8, 64, kDiagramWidth, kDiagramHeight);
  ImageAuffrischen->setScaledContents(true);
  NAME_AFTER_MEMBER(ImagePuls);
  NAME_AFTER_MEMBER(ImageAuffrischen);

  const QString titles[5] = {QStringLiteral("Puls"), QStringLiteral("Pause"), QStringLiteral("Vorpuls"),
                             QStringLiteral("Auffrischen"), QStringLiteral("Tintenmenge")};
  for (int row = 0; row < kPulseRowCount; ++row) {
    const auto i = static_cast<std::size_t>(row);
    const ValueRow made = AddValueRow(this, CellRect(row), titles[row]);
    Panels[i] = made.panel;
    Titles[i] = made.title;
    Values[i] = made.value;
    DownButtons[i] = made.down;
    UpButtons[i] = made.up;
    NameRow(made, QString::number(row));
    connect(made.down, &QAbstractButton::clicked, this, [this, row] {
      StepClick(DownButtons[static_cast<std::size_t>(row)], row, -1);
    });
    connect(made.up, &QAbstractButton::clicked, this, [this, row] {
      StepClick(UpButtons[static_cast<std::size_t>(row)], row, +1);
    });
  }
  platform::AddButtonPanel(this, CellRect(5), QStringLiteral("..."), PanelExperte, SpeedButtonExperte);
  NAME_AFTER_MEMBER(PanelExperte);
  NAME_AFTER_MEMBER(SpeedButtonExperte);
  connect(SpeedButtonExperte, &QAbstractButton::clicked, this,
          [this] { SpeedButtonExperteClick(SpeedButtonExperte); });

  PanelKonfiguration = new platform::Panel(this);
  PanelKonfiguration->setGeometry(kBaseWidth, 0, kExpertWidth, kButtonRowTop);
  NAME_AFTER_MEMBER(PanelKonfiguration);
  for (int p = 0; p < kPresetCount; ++p) {
    const auto i = static_cast<std::size_t>(p);
    const TitledChoice made = AddTitledChoice(PanelKonfiguration, RowRect(p, 8, 0), QStringLiteral("Konfiguration %1").arg(p + 1),
                                              platform::ToQt(PresetCaption(p)));
    PresetPanels[i] = made.panel;
    PresetTitles[i] = made.title;
    PresetCaptions[i] = made.caption;
    PresetButtons[i] = made.button;
    made.panel->setObjectName(QStringLiteral("PanelKonfiguration%1").arg(p + 1));
    made.title->setObjectName(QStringLiteral("LabelKonfiguration%1Titel").arg(p + 1));
    made.caption->setObjectName(QStringLiteral("LabelKonfiguration%1").arg(p + 1));
    made.button->setObjectName(QStringLiteral("SpeedButtonKonfiguration%1").arg(p + 1));
    connect(made.button, &QAbstractButton::clicked, this, [this, p] {
      PresetClick(PresetButtons[static_cast<std::size_t>(p)], p);
    });
  }
  PanelKonfiguration->hide();
  PlaceButtonRow(kButtonRowTop, kBaseWidth);
  UpdateView();
}

TFormPrinterSteuerungPulsdauer::~TFormPrinterSteuerungPulsdauer() {
  if (FormPrinterSteuerungPulsdauer == this) FormPrinterSteuerungPulsdauer = nullptr;
}

int TFormPrinterSteuerungPulsdauer::SetExpertPanel(int visible) {
  ExpertPanelVisible = visible ? 1 : 0;
  return ExpertPanelVisible;
}

void TFormPrinterSteuerungPulsdauer::ShowExpertPanel() {
  const bool shown = ExpertPanelVisible == 1;
  PanelKonfiguration->setVisible(shown);
  LightChoice(PanelExperte, shown);
  PlaceButtonRow(kButtonRowTop, shown ? kBaseWidth + kExpertWidth : kBaseWidth);
}

void TFormPrinterSteuerungPulsdauer::ApplyEnablingRules() {
  ShowExpertPanel();
  // Firmware that knows only the pulse: its row and the first preset.
  const bool extended = ExtendedPulseRows(CliWord);
  for (int row = kPauseRow; row < kPulseRowCount; ++row) Panels[static_cast<std::size_t>(row)]->setEnabled(extended);
  for (int p = 1; p < kPresetCount; ++p) PresetPanels[static_cast<std::size_t>(p)]->setEnabled(extended);
}

PulseValues TFormPrinterSteuerungPulsdauer::EditValues() const {
  return {EditPulse, EditPulsePause, EditPrePulse, EditRefresh, EditInkQuantity};
}

void TFormPrinterSteuerungPulsdauer::SetEditValues(const PulseValues& v) {
  EditPulse = v[kPulseRow];
  EditPulsePause = v[kPauseRow];
  EditPrePulse = v[kPrePulseRow];
  EditRefresh = v[kRefreshRow];
  EditInkQuantity = v[kInkRow];
}

void TFormPrinterSteuerungPulsdauer::StepClick(QObject* sender, int row, int step) {
  platform::RepaintSender(sender);
  PulseValues v = EditValues();
  v[static_cast<std::size_t>(row)] += step;
  SetEditValues(v);
  UpdateView();
}

void TFormPrinterSteuerungPulsdauer::SpeedButtonExperteClick(QObject* sender) {
  platform::RepaintSender(sender);
  SetExpertPanel(ExpertPanelVisible ? 0 : 1);
  ShowExpertPanel();
}

void TFormPrinterSteuerungPulsdauer::PresetClick(QObject* sender, int preset) {
  platform::RepaintSender(sender);
  LightChoice(PresetPanels[static_cast<std::size_t>(preset)], true);
  SetEditValues(PresetValues(preset, CliWord));
  UpdateView();
}

void TFormPrinterSteuerungPulsdauer::Draw(QLabel* picture, const std::vector<DiagramLine>& lines) {
  QImage image(kDiagramWidth, kDiagramHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  for (const DiagramLine& l : lines) {
    p.setPen(QPen(platform::VclColor(l.colour), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(l.x1, l.y1, l.x2, l.y2);
  }
  p.end();
  picture->setPixmap(QPixmap::fromImage(image));
}

void TFormPrinterSteuerungPulsdauer::UpdateView() {
  SetEditValues(ClampPulseValues(EditValues(), CliWord));
  const PulseValues v = EditValues();
  const auto limits = PulseLimits(CliWord);
  for (int row = 0; row < kPulseRowCount; ++row) {
    const auto i = static_cast<std::size_t>(row);
    const StepCaptionPair captions = row == kInkRow ? ModeCaptions(v[i], limits[i].low, limits[i].high)
                                                    : StepCaptions(v[i], limits[i].low, limits[i].high);
    SetStepCaptions(DownButtons[i], UpButtons[i], captions);
    Values[i]->setText(platform::ToQt(row == kInkRow ? InkFactorText(v[i]) : MicrosecondsText(v[i])));
  }
  Draw(ImagePuls, PulseDiagram(EditPulse, EditPulsePause, EditPrePulse));
  Draw(ImageAuffrischen, RefreshDiagram(EditRefresh));
  const int match = MatchingPreset(v, CliWord);
  for (int p = 0; p < kPresetCount; ++p)
    PresetPanels[static_cast<std::size_t>(p)]->SetColor(p == match ? printerthread::kOfferedColour
                                                                   : platform::colours::kLightGrey);
  GateOk();
}

void TFormPrinterSteuerungPulsdauer::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  const printerthread::PrinterMirror& m = view.mirror;
  PrinterPulse = m.Pulse;
  PrinterPulsePause = m.PulsePause;
  PrinterPrePulse = m.PrePulse;
  PrinterRefresh = m.RefreshPulse;
  PrinterInkQuantity = m.InkQuantity;
  CliWord = m.CliWord;
}

void TFormPrinterSteuerungPulsdauer::CopyPrinterToEdit() {
  SetEditValues({PrinterPulse, PrinterPulsePause, PrinterPrePulse, PrinterRefresh, PrinterInkQuantity});
}

printerthread::PulseDurationRequest TFormPrinterSteuerungPulsdauer::MakeRequest() const {
  printerthread::PulseDurationRequest r;
  r.EditPulse = EditPulse;
  r.EditPulsePause = EditPulsePause;
  r.EditPrePulse = EditPrePulse;
  r.EditRefresh = EditRefresh;
  r.EditInkQuantity = EditInkQuantity;
  return r;
}
