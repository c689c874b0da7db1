#include "editor/ui/TForm_Paint.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QWheelEvent>
#include <algorithm>

#include "editor/ui/WindowSizing.h"
#include "platform/Beep.h"
#include "platform/Colours.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"

TForm_Paint* Form_Paint = nullptr;

namespace {
using editor::PaintTool;
using editor::ui::GlyphButton;
using editor::ui::PaintGlyph;
using platform::colours::kGrey;
using platform::colours::kNavy;
using platform::colours::kSilver;

constexpr std::uint32_t kChosen = 13149858;  // 0xC8A6A2
constexpr int kTopHeight = 56;
constexpr int kBottomHeight = 65;
constexpr int kLeftWidth = 52;
constexpr int kZoomFactors[9] = {16, 14, 12, 10, 8, 6, 4, 2, 1};
constexpr int kStartZoomIndex = 3;

struct ToolEntry {
  PaintTool tool;
  const char* name;  // member and hint
  const char* hint;
  PaintGlyph glyph;
  int cursor;
  bool colours, width, transparent;
};
const ToolEntry kTools[11] = {
    {PaintTool::Zeichnen, "Zeichnen", "Zeichnen", PaintGlyph::Zeichnen, 7, true, false, false},
    {PaintTool::Pinsel, "Pinsel", "Pinsel", PaintGlyph::Pinsel, 8, true, true, false},
    {PaintTool::Linie, "Linie", "Linie", PaintGlyph::Linie, 6, true, true, false},
    {PaintTool::Rechteck, "Rechteck", "Rechteck", PaintGlyph::Rechteck, 6, true, true, false},
    {PaintTool::RechteckGefuellt, "RechteckGefuellt", "Rechteck gef\u00fcllt", PaintGlyph::RechteckGefuellt, 6, true,
     false, false},
    {PaintTool::Kreis, "Kreis", "Kreis", PaintGlyph::Kreis, 6, true, true, false},
    {PaintTool::KreisGefuellt, "KreisGefuellt", "Kreis gef\u00fcllt", PaintGlyph::KreisGefuellt, 6, true, false, false},
    {PaintTool::Fuellen, "Fuellen", "F\u00fcllen", PaintGlyph::Fuellen, 5, true, false, false},
    {PaintTool::Kopieren, "Kopieren", "Kopieren", PaintGlyph::Kopieren, 6, false, false, false},
    {PaintTool::Ausschneiden, "Ausschneiden", "Ausschneiden", PaintGlyph::Ausschneiden, 6, false, false, false},
    {PaintTool::Einfuegen, "Einfuegen", "Einf\u00fcgen", PaintGlyph::Einfuegen, 6, false, false, true},
};

int ToolIndex(PaintTool tool) { return static_cast<int>(tool) / 10 - 1; }

platform::Panel* AddPanel(QWidget* parent, const char* name, std::uint32_t colour) {
  auto* panel = new platform::Panel(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->SetColor(colour);
  panel->SetBevels(platform::BevelKind::Raised, platform::BevelKind::None);
  panel->SetShowHint(true);
  return panel;
}

GlyphButton* AddGlyphButton(QWidget* parent, const QString& name, PaintGlyph glyph, const QString& hint) {
  auto* button = new GlyphButton(parent, glyph);
  button->setObjectName(name);
  button->setToolTip(hint);
  return button;
}

}  // namespace

TForm_Paint::TForm_Paint(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  Form_Paint = this;
  setObjectName(QStringLiteral("Form_Paint"));
  setWindowTitle(QStringLiteral(" Ruskavel"));
  setFont(platform::VerdanaPx(11));
  setModal(true);
  platform::SetWindowColour(this, platform::colours::kLightGrey);
  for (int i = 0; i < 11; ++i) toolCodes_[static_cast<std::size_t>(i)] = kTools[i].tool;
  BuildForm();
  Wire();
  WatchKeys(this);
  resize(kStartSize);
  setMinimumSize(kMinimumSize);

  // Creation: tool "Zeichnen", "Einfügen" off until the first copy or cut,
  // zoom 10x, line width 1.
  ComboBox_Zoom->setCurrentIndex(kStartZoomIndex);
  ComboBox_Dicke->setCurrentIndex(0);
  SpeedButton_SWClick();
  ChooseTool(PaintTool::Zeichnen);
  SpeedButton_Einfuegen->setEnabled(false);
}

TForm_Paint::~TForm_Paint() {
  if (Form_Paint == this) Form_Paint = nullptr;
}

void TForm_Paint::BuildForm() {
  Panel_Oben = new platform::Panel(this);
  Panel_Oben->setObjectName(QStringLiteral("Panel_Oben"));
  Panel_Oben->SetColor(kSilver);
  Panel_Oben->SetBottomLine(true);

  Panel_Zoom = AddPanel(Panel_Oben, "Panel_Zoom", kSilver);
  Panel_Zoom->SetHint(QStringLiteral("Zoom"));
  ComboBox_Zoom = new QComboBox(Panel_Zoom);
  ComboBox_Zoom->setObjectName(QStringLiteral("ComboBox_Zoom"));
  for (int factor : kZoomFactors) ComboBox_Zoom->addItem(QStringLiteral("%1x").arg(factor));
  ComboBox_Zoom->setToolTip(QStringLiteral("Zoom"));

  Panel_Raster = AddPanel(Panel_Oben, "Panel_Raster", kSilver);
  Panel_Raster->SetHint(QStringLiteral("Raster"));
  CheckBox_Raster = new QCheckBox(QStringLiteral("Raster"), Panel_Raster);
  CheckBox_Raster->setObjectName(QStringLiteral("CheckBox_Raster"));
  CheckBox_Raster->setToolTip(QStringLiteral("Raster"));
  CheckBox_Raster->setChecked(true);

  Panel_SW = AddPanel(Panel_Oben, "Panel_SW", kChosen);
  SpeedButton_SW = AddGlyphButton(Panel_SW, QStringLiteral("SpeedButton_SW"), PaintGlyph::SchwarzWeiss,
                                  QStringLiteral("Schwarz Weiss"));
  Panel_WS = AddPanel(Panel_Oben, "Panel_WS", kSilver);
  SpeedButton_WS = AddGlyphButton(Panel_WS, QStringLiteral("SpeedButton_WS"), PaintGlyph::WeissSchwarz,
                                  QStringLiteral("Weiss Schwarz"));

  Panel_Dicke = AddPanel(Panel_Oben, "Panel_Dicke", kSilver);
  Panel_Dicke->SetHint(QStringLiteral("Dicke"));
  ComboBox_Dicke = new QComboBox(Panel_Dicke);
  ComboBox_Dicke->setObjectName(QStringLiteral("ComboBox_Dicke"));
  for (int i = 1; i <= 10; ++i) ComboBox_Dicke->addItem(QString::number(i));
  ComboBox_Dicke->setToolTip(QStringLiteral("Dicke"));

  Panel_Transparent = AddPanel(Panel_Oben, "Panel_Transparent", kSilver);
  Panel_Transparent->SetHint(QStringLiteral("Transparent"));
  CheckBox_Transparent = new QCheckBox(QStringLiteral("Transparent"), Panel_Transparent);
  CheckBox_Transparent->setObjectName(QStringLiteral("CheckBox_Transparent"));
  CheckBox_Transparent->setToolTip(QStringLiteral("Transparent"));
  CheckBox_Transparent->setChecked(true);
  platform::SetTextColour(CheckBox_Transparent, kNavy);

  auto op = [this](const char* name, PaintGlyph glyph, const QString& hint) {
    return AddGlyphButton(Panel_Oben, QString::fromLatin1(name), glyph, hint);
  };
  SpeedButton_Invertieren = op("SpeedButton_Invertieren", PaintGlyph::Invertieren, QStringLiteral("Invertieren"));
  SpeedButton_RasternH = op("SpeedButton_RasternH", PaintGlyph::RasternH, QStringLiteral("Rastern Horizontal"));
  SpeedButton_RasternV = op("SpeedButton_RasternV", PaintGlyph::RasternV, QStringLiteral("Rastern Vertikal"));
  SpeedButton_Rastern = op("SpeedButton_Rastern", PaintGlyph::Rastern, QStringLiteral("Rastern"));
  SpeedButton_SpiegelnH = op("SpeedButton_SpiegelnH", PaintGlyph::SpiegelnH, QStringLiteral("Spiegeln Horizontal"));
  SpeedButton_SpiegelnV = op("SpeedButton_SpiegelnV", PaintGlyph::SpiegelnV, QStringLiteral("Spiegeln Vertikal"));
  SpeedButton_UndoBwd = op("SpeedButton_UndoBwd", PaintGlyph::UndoBwd, QStringLiteral("R\u00fcckg\u00e4ngig"));
  SpeedButton_UndoFwd = op("SpeedButton_UndoFwd", PaintGlyph::UndoFwd, QStringLiteral("Wiederherstellen"));

  Panel_Left = new platform::Panel(this);
  Panel_Left->setObjectName(QStringLiteral("Panel_Left"));
  Panel_Left->SetColor(kSilver);
  for (int i = 0; i < 11; ++i) {
    const ToolEntry& t = kTools[i];
    const std::string panelName = std::string("Panel_") + t.name;
    platform::Panel* panel = AddPanel(Panel_Left, panelName.c_str(), kSilver);
    panel->setGeometry(8, 8 + i * 37, 36, 36);
    GlyphButton* button =
        AddGlyphButton(panel, QStringLiteral("SpeedButton_") + QString::fromLatin1(t.name), t.glyph, QString::fromUtf8(t.hint));
    button->setGeometry(0, 0, 36, 36);
    ToolPanels[static_cast<std::size_t>(i)] = panel;
    ToolButtons[static_cast<std::size_t>(i)] = button;
  }
  SpeedButton_Zeichnen = ToolButtons[0];
  SpeedButton_Pinsel = ToolButtons[1];
  SpeedButton_Linie = ToolButtons[2];
  SpeedButton_Rechteck = ToolButtons[3];
  SpeedButton_RechteckGefuellt = ToolButtons[4];
  SpeedButton_Kreis = ToolButtons[5];
  SpeedButton_KreisGefuellt = ToolButtons[6];
  SpeedButton_Fuellen = ToolButtons[7];
  SpeedButton_Kopieren = ToolButtons[8];
  SpeedButton_Ausschneiden = ToolButtons[9];
  SpeedButton_Einfuegen = ToolButtons[10];

  ScrollBox_Paint = new QScrollArea(this);
  ScrollBox_Paint->setObjectName(QStringLiteral("ScrollBox_Paint"));
  ScrollBox_Paint->setFrameShape(QFrame::NoFrame);
  ScrollBox_Paint->setWidgetResizable(false);
  auto* content = new QWidget;
  platform::SetWindowColour(content, kGrey);
  ScrollBox_Paint->setWidget(content);
  platform::SetWindowColour(ScrollBox_Paint->viewport(), kGrey);
  Image_Paint = new editor::ui::PaintImage(content);
  Image_Paint->setObjectName(QStringLiteral("Image_Paint"));
  Image_Paint->move(8, 8);
  Image_Raster = new editor::ui::PaintGrid(content);
  Image_Raster->setObjectName(QStringLiteral("Image_Raster"));
  Image_Raster->move(8, 8);

  Panel_Unten = platform::AddButtonRow(this, QRect(0, 0, kStartSize.width(), kBottomHeight));
  Panel_Unten->setObjectName(QStringLiteral("Panel_Unten"));
  platform::AddButtonPanel(Panel_Unten, QRect(0, 9, 88, 48), QStringLiteral("OK"), PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(Panel_Unten, QRect(0, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  NAME_AFTER_MEMBER(PanelOK);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(PanelAbbrechen);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);
  Image_ChangeSize = new QLabel(Panel_Unten);
  Image_ChangeSize->setObjectName(QStringLiteral("Image_ChangeSize"));
  Image_ChangeSize->setPixmap(editor::ui::PaintGlyphPixmap(PaintGlyph::ChangeSize));
  Image_ChangeSize->setAttribute(Qt::WA_TransparentForMouseEvents);
  Image_ChangeSize->resize(16, 16);
  Panel_Unten->setCursor(Qt::ArrowCursor);
}

void TForm_Paint::LayoutForm() {
  const int w = width(), h = height();
  Panel_Oben->setGeometry(0, 0, w, kTopHeight);
  Panel_Zoom->setGeometry(8, 8, 76, 40);
  ComboBox_Zoom->setGeometry(6, 8, 64, 24);
  // The check boxes take the room their captions need in the language
  // shown, and what stands right of them moves over; with the German
  // captions the colour buttons start at 176, the line width at 290.
  const int raster = std::max(72, CheckBox_Raster->sizeHint().width());
  Panel_Raster->setGeometry(88, 8, raster + 12, 40);
  CheckBox_Raster->setGeometry(8, 8, raster, 24);
  int x = Panel_Raster->geometry().right() + 5;
  Panel_SW->setGeometry(x, 8, 40, 40);
  SpeedButton_SW->setGeometry(2, 2, 36, 36);
  Panel_WS->setGeometry(x + 42, 8, 40, 40);
  SpeedButton_WS->setGeometry(2, 2, 36, 36);
  const int transparent = std::max(98, CheckBox_Transparent->sizeHint().width());
  Panel_Transparent->setGeometry(x, 8, transparent + 12, 40);
  CheckBox_Transparent->setGeometry(8, 8, transparent, 24);
  x = std::max(Panel_WS->geometry().right(), Panel_Transparent->geometry().right()) + 5;
  Panel_Dicke->setGeometry(x, 8, 60, 40);
  ComboBox_Dicke->setGeometry(6, 8, 48, 24);
  x += 68;
  for (GlyphButton* b : {SpeedButton_Invertieren, SpeedButton_RasternH, SpeedButton_RasternV, SpeedButton_Rastern,
                         SpeedButton_SpiegelnH, SpeedButton_SpiegelnV, SpeedButton_UndoBwd, SpeedButton_UndoFwd}) {
    b->setGeometry(x, 10, 36, 36);
    x += 40;
  }
  Panel_Left->setGeometry(0, kTopHeight, kLeftWidth, h - kTopHeight - kBottomHeight);
  ScrollBox_Paint->setGeometry(kLeftWidth, kTopHeight, w - kLeftWidth, h - kTopHeight - kBottomHeight);
  Panel_Unten->setGeometry(0, h - kBottomHeight, w, kBottomHeight);
  PanelAbbrechen->move(w - 24 - 88, 9);
  PanelOK->move(w - 24 - 88 - 8 - 88, 9);
  Image_ChangeSize->move(w - 18, kBottomHeight - 18);
}

void TForm_Paint::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayoutForm();
}

void TForm_Paint::Wire() {
  connect(ComboBox_Zoom, &QComboBox::currentIndexChanged, this, [this] { ComboBox_ZoomChange(); });
  connect(ComboBox_Dicke, &QComboBox::currentIndexChanged, this, [this] { ComboBox_DickeChange(); });
  connect(CheckBox_Raster, &QCheckBox::clicked, this, [this] { CheckBox_RasterClick(); });
  connect(CheckBox_Transparent, &QCheckBox::toggled, this, [this](bool on) { Canvas.Transparent = on; });
  connect(SpeedButton_SW, &QAbstractButton::clicked, this, [this] { SpeedButton_SWClick(); });
  connect(SpeedButton_WS, &QAbstractButton::clicked, this, [this] { SpeedButton_WSClick(); });
  connect(SpeedButton_Invertieren, &QAbstractButton::clicked, this, [this] { SpeedButton_InvertierenClick(); });
  connect(SpeedButton_RasternH, &QAbstractButton::clicked, this, [this] { SpeedButton_RasternHClick(); });
  connect(SpeedButton_RasternV, &QAbstractButton::clicked, this, [this] { SpeedButton_RasternVClick(); });
  connect(SpeedButton_Rastern, &QAbstractButton::clicked, this, [this] { SpeedButton_RasternClick(); });
  connect(SpeedButton_SpiegelnH, &QAbstractButton::clicked, this, [this] { SpeedButton_SpiegelnHClick(); });
  connect(SpeedButton_SpiegelnV, &QAbstractButton::clicked, this, [this] { SpeedButton_SpiegelnVClick(); });
  connect(SpeedButton_UndoBwd, &QAbstractButton::clicked, this, [this] { SpeedButton_UndoBwdClick(); });
  connect(SpeedButton_UndoFwd, &QAbstractButton::clicked, this, [this] { SpeedButton_UndoFwdClick(); });
  for (int i = 0; i < 11; ++i) {
    const PaintTool tool = kTools[i].tool;
    connect(ToolButtons[static_cast<std::size_t>(i)], &QAbstractButton::clicked, this, [this, tool] { ChooseTool(tool); });
  }
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(); });
  connect(SpeedButtonAbbrechen, &QAbstractButton::clicked, this, [this] { SpeedButtonAbbrechenClick(); });
  Image_Paint->MouseDown = [this](QMouseEvent* e) { Image_PaintMouseDown(e->button(), e->position().toPoint()); };
  Image_Paint->MouseMove = [this](QMouseEvent* e) { Image_PaintMouseMove(e->buttons(), e->position().toPoint()); };
  Image_Paint->MouseUp = [this](QMouseEvent* e) { Image_PaintMouseUp(e->button(), e->position().toPoint()); };
  for (QWidget* w : {static_cast<QWidget*>(Panel_Zoom), static_cast<QWidget*>(Panel_Raster),
                     static_cast<QWidget*>(Panel_Dicke), static_cast<QWidget*>(Panel_Transparent),
                     static_cast<QWidget*>(Panel_Unten)})
    w->installEventFilter(this);
}

void TForm_Paint::WatchKeys(QWidget* root) {
  root->installEventFilter(this);
  for (QWidget* child : root->findChildren<QWidget*>()) child->installEventFilter(this);
  // The combo boxes' pop-up lists are windows of their own.
  for (QComboBox* box : {ComboBox_Zoom, ComboBox_Dicke}) box->view()->installEventFilter(this);
}

// ---- Set-up and the modal run --------------------------------------------------

int TForm_Paint::SetBitmap(const platform::Bitmap& graphic) {
  const int result = Canvas.SetImage(graphic);
  if (result != 0) return result;
  setWindowTitle(QStringLiteral("Ruskavel (%1 x %2)").arg(graphic.Width()).arg(graphic.Height()));
  Image_Paint->Show(Canvas.Image(), Zoom);
  return 0;
}

int TForm_Paint::ShowModal() { return exec(); }

void TForm_Paint::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm_Paint::FormShow() {
  Resizing = false;
  ImageWidth = Canvas.Image().Width();
  ImageHeight = Canvas.Image().Height();
  // Without the ring's 64 images there is no undo and no mirroring this
  // time; painting works on.
  undoShown_ = Canvas.BeginUse();
  for (QWidget* w : {SpeedButton_SpiegelnH, SpeedButton_SpiegelnV, SpeedButton_UndoBwd, SpeedButton_UndoFwd})
    w->setVisible(undoShown_);
  UpdateButtons();
  if (ComboBox_Zoom->currentIndex() == kStartZoomIndex)
    ComboBox_ZoomChange();
  else
    ComboBox_Zoom->setCurrentIndex(kStartZoomIndex);
  ComboBox_DickeChange();
  // The check boxes' captions may have changed with the language since.
  LayoutForm();
  editor::ui::FitToWorkArea(this, kMinimumSize);
  if (FirstShow) {
    FirstShow = false;
    editor::ui::CentreOnMainWindow(this, Services);
  }
  ShowImage();
}

void TForm_Paint::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TForm_Paint::FormClose() {
  Image_Raster->Build(0, 0, 0);
  Canvas.EndUse();
  Resizing = false;
  setWindowState(Qt::WindowNoState);
}

// Closing the window otherwise counts as "Abbrechen".
void TForm_Paint::reject() { SpeedButtonAbbrechenClick(); }

void TForm_Paint::SpeedButtonOKClick() {
  SpeedButtonOK->repaint();
  done(1);
}

void TForm_Paint::SpeedButtonAbbrechenClick() {
  SpeedButtonAbbrechen->repaint();
  done(2);
}

// ---- Picture -----------------------------------------------------------------------

void TForm_Paint::ShowImage() {
  Image_Paint->Show(Canvas.Image(), Zoom);
  ScrollBox_Paint->widget()->resize(Image_Paint->width() + 16, Image_Paint->height() + 16);
}

void TForm_Paint::UpdateButtons() {
  SpeedButton_UndoBwd->setEnabled(Canvas.Ring().UndoEnabled());
  SpeedButton_UndoFwd->setEnabled(Canvas.Ring().RedoEnabled());
  SpeedButton_Einfuegen->setEnabled(Canvas.PasteEnabled());
}

void TForm_Paint::AfterWholeImageChange() {
  Image_Paint->Refresh(Canvas.Image());
  UpdateButtons();
}

void TForm_Paint::Image_PaintMouseDown(Qt::MouseButton button, const QPoint& position) {
  const editor::PaintButton which = button == Qt::LeftButton    ? editor::PaintButton::Left
                                    : button == Qt::RightButton ? editor::PaintButton::Right
                                                                : editor::PaintButton::Middle;
  Canvas.Press(Image_Paint->PixelAt(position), which);
  Image_Paint->Refresh(Canvas.Image());
  UpdateButtons();
}

void TForm_Paint::Image_PaintMouseMove(Qt::MouseButtons held, const QPoint& position) {
  if (!Canvas.Pressing()) return;
  Canvas.Move(Image_Paint->PixelAt(position), (held & (Qt::LeftButton | Qt::RightButton)) != 0);
  Image_Paint->Refresh(Canvas.Image());
}

void TForm_Paint::Image_PaintMouseUp(Qt::MouseButton, const QPoint& position) {
  if (!Canvas.Pressing()) return;
  // The press ends with the release of any button; others pressed in
  // between were not taken.
  if (QApplication::mouseButtons() != Qt::NoButton) return;
  Canvas.Release(Image_Paint->PixelAt(position));
  Image_Paint->Refresh(Canvas.Image());
  UpdateButtons();
}

// ---- Whole-image operations and undo -----------------------------------------------------

void TForm_Paint::SpeedButton_InvertierenClick() {
  Canvas.Invert();
  AfterWholeImageChange();
}
void TForm_Paint::SpeedButton_RasternHClick() {
  Canvas.HatchRows();
  AfterWholeImageChange();
}
void TForm_Paint::SpeedButton_RasternVClick() {
  Canvas.HatchColumns();
  AfterWholeImageChange();
}
void TForm_Paint::SpeedButton_RasternClick() {
  Canvas.HatchChecker();
  AfterWholeImageChange();
}
void TForm_Paint::SpeedButton_SpiegelnHClick() {
  Canvas.MirrorHorizontal();
  AfterWholeImageChange();
}
void TForm_Paint::SpeedButton_SpiegelnVClick() {
  Canvas.MirrorVertical();
  AfterWholeImageChange();
}
void TForm_Paint::SpeedButton_UndoBwdClick() {
  Canvas.Undo();
  AfterWholeImageChange();
}
void TForm_Paint::SpeedButton_UndoFwdClick() {
  Canvas.Redo();
  AfterWholeImageChange();
}

// ---- Tools, colours, width -------------------------------------------------------------

void TForm_Paint::ResetToolPanels() {
  for (platform::Panel* p : ToolPanels) p->SetColor(kSilver);
}

void TForm_Paint::ChooseTool(PaintTool tool) {
  const int index = ToolIndex(tool);
  if (index < 0 || index > 10) return;
  const ToolEntry& t = kTools[index];
  ResetToolPanels();
  ToolPanels[static_cast<std::size_t>(index)]->SetColor(kChosen);
  Canvas.Tool = tool;
  Image_Paint->setCursor(editor::ui::PaintCursor(t.cursor));
  Panel_SW->setVisible(t.colours);
  Panel_WS->setVisible(t.colours);
  Panel_Dicke->setVisible(t.width);
  Panel_Transparent->setVisible(t.transparent);
}

void TForm_Paint::SpeedButton_SWClick() {
  Canvas.LeftColour = platform::kBlack;
  Canvas.RightColour = platform::kWhite;
  Panel_SW->SetColor(kChosen);
  Panel_WS->SetColor(kSilver);
}

void TForm_Paint::SpeedButton_WSClick() {
  Canvas.LeftColour = platform::kWhite;
  Canvas.RightColour = platform::kBlack;
  Panel_WS->SetColor(kChosen);
  Panel_SW->SetColor(kSilver);
}

void TForm_Paint::ComboBox_DickeChange() { Canvas.LineWidth = std::clamp(ComboBox_Dicke->currentIndex() + 1, 1, 10); }

void TForm_Paint::Panel_DickeClick() {
  ComboBox_Dicke->setFocus();
  ComboBox_Dicke->showPopup();
}

void TForm_Paint::Panel_TransparentClick() { CheckBox_Transparent->toggle(); }

// ---- Zoom and grid -------------------------------------------------------------------------

void TForm_Paint::SetZoomIndex(int index) { ComboBox_Zoom->setCurrentIndex(std::clamp(index, 0, 8)); }

void TForm_Paint::ComboBox_ZoomChange() {
  int index = ComboBox_Zoom->currentIndex();
  if (index < 0 || index > 8) {
    index = kStartZoomIndex;
    const QSignalBlocker quiet(ComboBox_Zoom);
    ComboBox_Zoom->setCurrentIndex(index);
  }
  Zoom = kZoomFactors[index];
  platform::SetTextColour(CheckBox_Raster, Zoom >= 4 ? kNavy : kGrey);
  if (!isVisible()) return;
  Image_Raster->hide();
  ShowImage();
  RebuildGrid();
}

void TForm_Paint::RebuildGrid() {
  if (!CheckBox_Raster->isChecked() || Zoom <= 3) {
    Image_Raster->hide();
    return;
  }
  Image_Raster->Build(Canvas.Image().Width(), Canvas.Image().Height(), Zoom);
  Image_Raster->show();
  Image_Raster->raise();
}

void TForm_Paint::CheckBox_RasterClick() {
  if (!CheckBox_Raster->isChecked() || Zoom <= 3) {
    Image_Raster->hide();
    return;
  }
  RebuildGrid();
  ComboBox_Zoom->setFocus();
}

void TForm_Paint::Panel_ZoomClick() {
  ComboBox_Zoom->setFocus();
  ComboBox_Zoom->showPopup();
}

void TForm_Paint::Panel_RasterClick() {
  CheckBox_Raster->toggle();
  CheckBox_RasterClick();
}

// ---- Keys and wheel --------------------------------------------------------------------------

bool TForm_Paint::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const bool plain = editor::ui::NoModifierHeld(modifiers);
  const bool ctrl = editor::ui::CtrlAlone(modifiers);
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plain) {
    SpeedButtonOKClick();
  } else if (key == Qt::Key_Escape && plain) {
    SpeedButtonAbbrechenClick();
  } else if (key == Qt::Key_Left && ctrl) {
    SetZoomIndex(ComboBox_Zoom->currentIndex() + 1);
  } else if (key == Qt::Key_Right && ctrl) {
    SetZoomIndex(ComboBox_Zoom->currentIndex() - 1);
  } else if (key == Qt::Key_P && ctrl) {
    platform::PrintHardcopy(this);
  } else if (key == Qt::Key_Z && ctrl) {
    SpeedButton_UndoBwdClick();
  } else if (key == Qt::Key_F1 && plain) {
    if (Services.UserGuide) Services.UserGuide();
  } else {
    return false;
  }
  return true;
}

void TForm_Paint::FormMouseWheelDown(Qt::KeyboardModifiers modifiers) {
  if (editor::ui::CtrlAlone(modifiers)) SetZoomIndex(ComboBox_Zoom->currentIndex() + 1);
}

void TForm_Paint::FormMouseWheelUp(Qt::KeyboardModifiers modifiers) {
  if (editor::ui::CtrlAlone(modifiers)) SetZoomIndex(ComboBox_Zoom->currentIndex() - 1);
}

// ---- Window size -------------------------------------------------------------------------------

QSize TForm_Paint::LimitSize(QSize proposed) const { return editor::ui::LimitWindowSize(this, kMinimumSize, proposed); }

void TForm_Paint::Panel_UntenMouseDown(const QPoint& globalPosition) {
  barDrag_.Start(this, globalPosition);
  Resizing = true;
}

void TForm_Paint::Panel_UntenMouseMove(const QPoint& globalPosition) {
  if (Resizing) resize(LimitSize(barDrag_.SizeAt(globalPosition)));
}

void TForm_Paint::Panel_UntenMouseUp() {
  Resizing = false;
  editor::ui::BarDrag::Stop(this);
}

void TForm_Paint::Panel_UntenDblClick() { editor::ui::ToggleWorkArea(this, restoreBounds_); }

bool TForm_Paint::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      if (!isVisible()) break;
      auto* key = static_cast<QKeyEvent*>(event);
      if (FormKeyDown(key->key(), key->modifiers())) return true;
      break;
    }
    case QEvent::Wheel: {
      if (!isVisible()) break;
      auto* wheel = static_cast<QWheelEvent*>(event);
      const int dy = wheel->angleDelta().y();
      if (dy < 0) FormMouseWheelDown(wheel->modifiers());
      if (dy > 0) FormMouseWheelUp(wheel->modifiers());
      // Every turn counts as handled: the wheel never scrolls the image.
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      if (watched == Panel_Zoom) Panel_ZoomClick();
      if (watched == Panel_Raster) Panel_RasterClick();
      if (watched == Panel_Dicke) Panel_DickeClick();
      if (watched == Panel_Transparent) Panel_TransparentClick();
      if (watched == Panel_Unten) Panel_UntenMouseDown(mouse->globalPosition().toPoint());
      break;
    }
    case QEvent::MouseMove:
      if (watched == Panel_Unten) Panel_UntenMouseMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      break;
    case QEvent::MouseButtonRelease:
      if (watched == Panel_Unten) Panel_UntenMouseUp();
      break;
    case QEvent::MouseButtonDblClick:
      if (watched == Panel_Unten) Panel_UntenDblClick();
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}
