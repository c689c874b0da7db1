#include "editor/ui/TFrameBearbeiten.h"

#include <QCoreApplication>
#include <algorithm>

#include "editor/BmpFile.h"
#include "rendering/LayerRendering.h"
#include "rendering/LayerText.h"
#include "editor/ui/FrameGraphicPaneEditor.h"
#include "editor/ui/PaneLook.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeitenDatum.h"
#include "editor/ui/TFrameBearbeitenNotiz.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "editor/ui/TFrameBearbeitenZeit.h"
#include "editor/ui/TFrameMenuAnsichtBearbeiten.h"
#include "editor/ui/TFrameMenuRasterBearbeiten.h"
#include "editor/ui/TFrameMenuZoomBearbeiten.h"
#include "platform/Beep.h"
#include "platform/FileIO.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"
#include "printdata/Copy.h"
#include "printdata/Init.h"
#include "printdata/PrintField.h"

using editor::ui::kLayerBlack;
using editor::ui::kLayerRed;

namespace {

constexpr int kTitleHeight = 32;
constexpr int kTopHeight = 64;
constexpr int kObjectHeight = 67;
constexpr int kBottomHeight = 56;

bool IsLayer(int n) { return n >= 0 && n < printdata::kLayerCount; }

}  // namespace

TFrameBearbeiten::TFrameBearbeiten(QWidget* owner)
    : QWidget(owner),
      KindNames{QStringLiteral("Kein"), QStringLiteral("Text"), QStringLiteral("Datum"), QStringLiteral("Zeit"),
                QStringLiteral("Z\u00e4hler"), QStringLiteral("Grafik")} {
  setObjectName(QStringLiteral("FrameBearbeiten"));
  setFont(platform::VerdanaPx(11));
  BuildForm();
  platform::RegisterTexts(this, "KindNames", KindNames);
  hide();
  Loading = 1;

  FrameBearbeitenVorschau = new TFrameBearbeitenVorschau(this, PanelVorschau);
  FrameBearbeitenVorschau->show();
  FrameBearbeitenText = new TFrameBearbeitenText(this, PanelMain);
  FrameBearbeitenDatum = new TFrameBearbeitenDatum(this, PanelMain);
  FrameBearbeitenZeit = new TFrameBearbeitenZeit(this, PanelMain);
  FrameBearbeitenParameter = new TFrameBearbeitenParameter(this, PanelMain);
  FrameBearbeitenNotiz = new TFrameBearbeitenNotiz(this, PanelMain);
  FormBearbeitenDruckansicht = new TFormBearbeitenDruckansicht(this);
  printdata::PrintTextInit(WorkText);
  LayoutPage();
}

TFrameBearbeiten::~TFrameBearbeiten() {
  // The print view is a window of its own.
  delete FormBearbeitenDruckansicht;
  FormBearbeitenDruckansicht = nullptr;
  // The graphic pane calls back into this frame: it goes while the frame is
  // still whole.
  if (FrameBearbeitenGrafik) delete FrameBearbeitenGrafik->Pane();
  FrameBearbeitenGrafik = nullptr;
}

void TFrameBearbeiten::BuildForm() {
  using namespace editor::ui;
  PanelTitel = platform::AddTitleBar(this, QStringLiteral("Bearbeiten"));
  NAME_AFTER_MEMBER(PanelTitel);
  PanelTop = new platform::Panel(this);
  NAME_AFTER_MEMBER(PanelTop);
  PanelTop->SetColor(platform::colours::kSilver);
  PanelTop->SetBottomLine(true);

  auto status = [this](int left, const QString& name, const QString& title, platform::Panel*& panel,
                       platform::SpeedButton*& button, platform::Label*& titleLabel, platform::Label*& value) {
    const ToggleControl c = AddToggleControl(PanelTop, name, title);
    c.Place(QRect(left, 8, 88, 48));
    c.Panel->SetColor(kEntryNormal);
    panel = c.Panel;
    button = c.Button;
    titleLabel = c.Title;
    value = c.Value;
  };
  status(8, QStringLiteral("PanelAnsicht"), QStringLiteral("Ansicht"), PanelAnsicht, SpeedButtonAnsicht,
         LabelAnsichtTitel, LabelAnsicht);
  status(104, QStringLiteral("PanelZoom"), QStringLiteral("Zoom"), PanelZoom, SpeedButtonZoom, LabelZoomTitel, LabelZoom);
  status(200, QStringLiteral("PanelRaster"), QStringLiteral("Raster"), PanelRaster, SpeedButtonRaster, LabelRasterTitel,
         LabelRaster);
  LabelAnsicht->setText(QStringLiteral("Ebene 1"));
  LabelZoom->setText(QStringLiteral("4x"));
  LabelRaster->setText(QStringLiteral("Pixel"));
  LabelRaster->Tag = 1;
  platform::AddButtonPanel(PanelTop, QRect(296, 8, 88, 48), QStringLiteral("Vorschau"), PanelDruckansicht,
                           SpeedButtonDruckansicht);
  platform::AddButtonPanel(PanelTop, QRect(392, 8, 88, 48), QStringLiteral("BMP"), PanelExportDrucktextBMP,
                           SpeedButtonExportDrucktextBMP);
  platform::AddButtonPanel(PanelTop, QRect(488, 8, 88, 48), QStringLiteral("?"), PanelHilfe, SpeedButtonHilfe);
  NAME_AFTER_MEMBER(PanelDruckansicht);
  NAME_AFTER_MEMBER(SpeedButtonDruckansicht);
  NAME_AFTER_MEMBER(PanelExportDrucktextBMP);
  NAME_AFTER_MEMBER(SpeedButtonExportDrucktextBMP);
  NAME_AFTER_MEMBER(PanelHilfe);
  NAME_AFTER_MEMBER(SpeedButtonHilfe);

  PanelVorschau = new platform::Panel(this);
  NAME_AFTER_MEMBER(PanelVorschau);
  PanelVorschau->SetColor(kGreyPage);
  PanelVorschau->resize(100, 160);

  PanelObjekt = AddPaneRow(this, QStringLiteral("PanelObjekt"), QStringLiteral("LabelObjektTitel"),
                           QStringLiteral("Objekt"), &LabelObjektTitel);
  kind_ = AddStepControl(PanelObjekt, QStringLiteral("PanelObjektTyp"), QStringLiteral("Typ"), QStringLiteral("<"),
                         QStringLiteral(">"), QStringLiteral("SpeedButtonObjektTyptUp"));
  kind_.Place(QRect(8, kControlTop, 176, kControlHeight));
  PanelObjektTyp = kind_.Panel;
  LabelObjektTypTitel = kind_.Title;
  LabelObjektTyp = kind_.Value;
  SpeedButtonObjektTypDown = kind_.Down;
  SpeedButtonObjektTyptUp = kind_.Up;
  LabelObjektTyp->Tag = 1;
  platform::AddButtonPanel(PanelObjekt, QRect(192, kControlTop, 88, kControlHeight), QStringLiteral("BMP"),
                           PanelExportEbeneBMP, SpeedButtonExportEbeneBMP);
  NAME_AFTER_MEMBER(PanelExportEbeneBMP);
  NAME_AFTER_MEMBER(SpeedButtonExportEbeneBMP);

  PanelMain = new platform::Panel(this);
  NAME_AFTER_MEMBER(PanelMain);
  PanelMain->SetColor(kPageColour);

  PanelUnten = new platform::Panel(this);
  NAME_AFTER_MEMBER(PanelUnten);
  PanelUnten->SetColor(platform::colours::kSilver);
  PanelUnten->SetTopLine(true);
  platform::AddButtonPanel(PanelUnten, QRect(8, 4, 88, 48), QStringLiteral("OK"), PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(PanelUnten, QRect(104, 4, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  NAME_AFTER_MEMBER(PanelOK);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(PanelAbbrechen);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);

  auto click = [this](platform::SpeedButton* b, void (TFrameBearbeiten::*f)(QObject*)) {
    connect(b, &QAbstractButton::clicked, this, [this, b, f] { (this->*f)(b); });
  };
  using T = TFrameBearbeiten;
  click(SpeedButtonAnsicht, &T::SpeedButtonAnsichtClick);
  click(SpeedButtonZoom, &T::SpeedButtonZoomClick);
  click(SpeedButtonRaster, &T::SpeedButtonRasterClick);
  click(SpeedButtonDruckansicht, &T::SpeedButtonDruckansichtClick);
  click(SpeedButtonExportDrucktextBMP, &T::SpeedButtonExportDrucktextBMPClick);
  click(SpeedButtonHilfe, &T::SpeedButtonHilfeClick);
  click(SpeedButtonExportEbeneBMP, &T::SpeedButtonExportEbeneBMPClick);
  click(SpeedButtonOK, &T::SpeedButtonOKClick);
  click(SpeedButtonAbbrechen, &T::SpeedButtonAbbrechenClick);
  connect(SpeedButtonObjektTypDown, &QAbstractButton::clicked, this,
          [this] { SpeedButtonObjektTypDownClick(SpeedButtonObjektTypDown); });
  connect(SpeedButtonObjektTyptUp, &QAbstractButton::clicked, this,
          [this] { SpeedButtonObjektTyptUpClick(SpeedButtonObjektTyptUp); });
}

// --- Hooks ----------------------------------------------------------------

void TFrameBearbeiten::SetMenus(TFrameMenuAnsichtBearbeiten* view, TFrameMenuZoomBearbeiten* zoom,
                                TFrameMenuRasterBearbeiten* grid) {
  viewMenu_ = view;
  zoomMenu_ = zoom;
  gridMenu_ = grid;
  view->SetEditor(this);
  zoom->SetEditor(this);
  grid->SetEditor(this);
}

void TFrameBearbeiten::SetFontChooser(editor::ui::EditorFontChooser* chooser) {
  fontChooser_ = chooser ? chooser : &keptFont_;
}

void TFrameBearbeiten::SetGraphicPane(editor::ui::EditorGraphicPane* pane) {
  FrameBearbeitenGrafik = pane;
  if (!pane) return;
  pane->Pane()->setParent(PanelMain);
  pane->Pane()->hide();
  LayoutPage();
}

editor::ui::GraphicPaneEditor& TFrameBearbeiten::GraphicPaneHost() {
  if (!graphicPaneHost_) graphicPaneHost_ = std::make_unique<editor::ui::FrameGraphicPaneEditor>(*this);
  return *graphicPaneHost_;
}

int TFrameBearbeiten::EditorZoom() const { return zoomMenu_ ? zoomMenu_->LabelZoom->Tag : 4; }

std::int64_t TFrameBearbeiten::PrintFieldDots() const {
  return static_cast<std::int64_t>(FrameBearbeitenParameter->LabelDrucklaenge->Tag) * printdata::kDotsPerMillimetre;
}

PositionFontPane* TFrameBearbeiten::ObjectPane(int kind) const {
  switch (kind) {
    case printdata::kKindText: return FrameBearbeitenText;
    case printdata::kKindDate: return FrameBearbeitenDatum;
    case printdata::kKindTime: return FrameBearbeitenZeit;
    default: return nullptr;
  }
}

void TFrameBearbeiten::HideMenus() {
  if (host_) host_->HideMenuFrames();
}

void TFrameBearbeiten::CloseMenus() {
  if (host_) host_->CloseMenusAndRefresh();
}

// --- Layout ---------------------------------------------------------------

void TFrameBearbeiten::resizeEvent(QResizeEvent*) { LayoutPage(); }

void TFrameBearbeiten::LayoutPage() {
  const int w = width();
  PanelTitel->setGeometry(0, 0, w, kTitleHeight);
  PanelTop->setGeometry(0, kTitleHeight, w, kTopHeight);
  PanelHilfe->move(std::max(w - 96, 488), 8);
  int y = kTitleHeight + kTopHeight;
  PanelVorschau->setGeometry(0, y, w, PanelVorschau->height());
  FrameBearbeitenVorschau->setGeometry(8, 0, std::max(w - 16, 0), std::max(PanelVorschau->height() - 8, 0));
  y += PanelVorschau->height();
  if (!PanelObjekt->isHidden()) {
    PanelObjekt->setGeometry(0, y, w, kObjectHeight);
    y += kObjectHeight;
  }
  const int bottom = std::max(height() - kBottomHeight, y);
  PanelMain->setGeometry(0, y, w, bottom - y);
  PanelUnten->setGeometry(0, bottom, w, kBottomHeight);
  QList<QWidget*> panes{FrameBearbeitenText, FrameBearbeitenDatum, FrameBearbeitenZeit, FrameBearbeitenParameter,
                        FrameBearbeitenNotiz};
  if (FrameBearbeitenGrafik) panes.push_back(FrameBearbeitenGrafik->Pane());
  for (QWidget* pane : panes) pane->setGeometry(PanelMain->rect());
}

void TFrameBearbeiten::ShowObjectArea(bool shown) {
  PanelObjekt->setVisible(shown);
  LayoutPage();
}

void TFrameBearbeiten::ShowObjectPane(int kind) {
  for (int k : {1, 2, 3})
    if (k != kind) ObjectPane(k)->hide();
  if (FrameBearbeitenGrafik && kind != printdata::kKindGraphic) FrameBearbeitenGrafik->Pane()->hide();
  if (PositionFontPane* pane = ObjectPane(kind)) pane->show();
  if (FrameBearbeitenGrafik && kind == printdata::kKindGraphic) FrameBearbeitenGrafik->Pane()->show();
}

// --- Opening and closing --------------------------------------------------

void TFrameBearbeiten::ResetEditor() {
  CurrentLayer = -1;
  Loading = 1;
  printdata::PrintTextInit(WorkText);
  Loading = 0;
  FrameBearbeitenVorschau->InitPreview();
  SelectLayer();
  if (gridMenu_) gridMenu_->ApplyGrid();
  if (zoomMenu_) zoomMenu_->ApplyZoom();
  ShowObjectFrame();
  if (viewMenu_) viewMenu_->ApplyView();
}

void TFrameBearbeiten::LoadParameterTags() { FrameBearbeitenParameter->LoadValues(WorkText.Parameters); }

void TFrameBearbeiten::LoadWorkCopy(const printdata::PrintText* source) {
  // The source may be the working copy itself.
  const printdata::PrintText copied = source ? *source : printdata::PrintText{};
  CurrentLayer = -1;
  Loading = 1;
  printdata::PrintTextInit(WorkText);
  Loading = 0;
  if (source) printdata::PrintTextCopy(copied, WorkText);
  LoadParameterTags();
}

void TFrameBearbeiten::OpenInEditor(const printdata::PrintText* source, const QString& title) {
  LoadWorkCopy(source);
  Loading = 1;
  FrameBearbeitenNotiz->MemoNotiz->clear();
  FrameBearbeitenNotiz->SetNoteText(WorkText.Note);
  Loading = 0;
  PanelTitel->SetCaption(title);
}

void TFrameBearbeiten::ShowEditorView(int view) {
  const int mode = host_ ? host_->OperatingMode() : -1;
  const bool numbers = mode > 2 || mode < 0;
  for (int k : {1, 2, 3}) ObjectPane(k)->ShowPositionNumbers(numbers);
  if (FrameBearbeitenGrafik) FrameBearbeitenGrafik->ShowPositionNumbers(numbers);

  LabelAnsicht->Tag = view;
  if (zoomMenu_) zoomMenu_->LabelZoom->Tag = 4;
  LabelRaster->Tag = 1;
  if (gridMenu_) gridMenu_->ApplyGrid();
  if (zoomMenu_) zoomMenu_->ApplyZoom();
  if (viewMenu_) viewMenu_->ApplyView();

  if (host_) host_->HideOtherPages();
  show();
  raise();
  // The side bar follows the page now shown.
  CloseMenus();
}

void TFrameBearbeiten::CloseEditor() {
  ClosePrintView();
  hide();
  CloseMenus();
  if (host_) host_->ShowDataPage();
}

bool TFrameBearbeiten::PrintViewShown() const {
  return FormBearbeitenDruckansicht && !FormBearbeitenDruckansicht->isHidden();
}

void TFrameBearbeiten::ClosePrintView() {
  if (PrintViewShown()) FormBearbeitenDruckansicht->close();
}

// --- Layers ---------------------------------------------------------------

void TFrameBearbeiten::SelectLayer() {
  if (IsLayer(CurrentLayer)) RenderLayer(static_cast<unsigned>(CurrentLayer), kLayerBlack);
  const int view = EditorView();
  if (view < 0 || view > 4) return;
  CurrentLayer = view;
  Loading = 1;
  LabelObjektTyp->Tag = WorkText.Layers[static_cast<std::size_t>(view)].Kind;
  ShowObjectFrame();
  Loading = 0;
  RenderLayer(static_cast<unsigned>(CurrentLayer), kLayerRed);
  FrameBearbeitenVorschau->BringToFront(CurrentLayer);
}

void TFrameBearbeiten::ShowObjectFrame() {
  LabelObjektTyp->Tag = std::clamp(LabelObjektTyp->Tag, 0, 4);
  const int kind = LabelObjektTyp->Tag;
  kind_.ShowLimits(kind == 0, kind == 4);
  if (!IsLayer(CurrentLayer)) return;
  WorkText.Layers[static_cast<std::size_t>(CurrentLayer)].Kind = static_cast<std::uint8_t>(kind);
  FillKindPane(kind);
  LabelObjektTyp->setText(KindNames[static_cast<std::size_t>(kind == 4 ? 5 : kind)]);
  ShowObjectPane(kind);
  RenderLayer(static_cast<unsigned>(CurrentLayer), kLayerRed);
}

void TFrameBearbeiten::FillKindPane(int kind) {
  const int n = CurrentLayer;
  if (PositionFontPane* pane = ObjectPane(kind)) {
    pane->FillPositionAndFont(WorkText.Layers[static_cast<std::size_t>(n)]);
    if (kind == printdata::kKindText)
      FrameBearbeitenText->EditEingabe->setText(platform::ToQt(WorkText.Layers[static_cast<std::size_t>(n)].Text));
    else if (kind == printdata::kKindDate)
      FrameBearbeitenDatum->FillDate(n);
    else
      FrameBearbeitenZeit->FillTime(n);
  } else if (kind == printdata::kKindGraphic && FrameBearbeitenGrafik) {
    FrameBearbeitenGrafik->FillFromLayer(n);
  }
}

void TFrameBearbeiten::RenderLayer(unsigned layer, std::uint32_t colour) {
  if (layer >= static_cast<unsigned>(printdata::kLayerCount)) return;
  editor::RenderLayer(WorkText, layer, colour, FrameBearbeitenVorschau->Images);
  FrameBearbeitenVorschau->LayerChanged(static_cast<int>(layer));
}

std::int32_t TFrameBearbeiten::MeasureText(unsigned fontLayer, std::string_view text, std::int32_t spacing) const {
  if (fontLayer >= static_cast<unsigned>(printdata::kLayerCount) || text.empty()) return 0;
  auto font = editor::CreateLayerFont(WorkText.Layers[fontLayer]);
  if (!font.ok()) return 0;
  return editor::MeasureText(**font, text, spacing);
}

// --- Rendering for rows and printer files ---------------------------------

void TFrameBearbeiten::LoadAndRender(const printdata::PrintText* source) {
  LoadWorkCopy(source);
  LabelAnsicht->Tag = 6;
  if (zoomMenu_) zoomMenu_->LabelZoom->Tag = 1;
  LabelRaster->Tag = 0;
  if (viewMenu_) viewMenu_->ApplyView();
  RenderDatedBlack();
}

void TFrameBearbeiten::RenderDatedBlack() {
  // One reading of the clock for all layers of the print text.
  editor::RefreshDynamicTexts(WorkText, editor::LocalNow());
  for (unsigned n = 0; n < static_cast<unsigned>(printdata::kLayerCount); ++n) RenderLayer(n, kLayerBlack);
}

editor::RowWords TFrameBearbeiten::RowWords() const {
  editor::RowWords words;
  editor::LayerSummaryTexts& texts = words.Summaries;
  for (std::size_t k = 0; k < KindNames.size(); ++k) texts.KindNames[k] = platform::FromQt(KindNames[k]);
  const TFrameBearbeitenDatum* date = FrameBearbeitenDatum;
  texts.DateOffsetTitle = platform::FromQt(date->LabelDatumOffsetTitel->text());
  texts.DateChangeTitle = platform::FromQt(date->LabelDatumWechselTitel->text());
  texts.DateFormatTitle = platform::FromQt(date->LabelDatumFormatTitel->text());
  for (std::size_t i = 0; i < texts.DateChangeTexts.size(); ++i)
    texts.DateChangeTexts[i] = platform::FromQt(date->ChangeTexts[i]);
  const TFrameBearbeitenZeit* time = FrameBearbeitenZeit;
  texts.TimeOffsetTitle = platform::FromQt(time->LabelZeitOffsetTitel->text());
  texts.TimeChangeTitle = platform::FromQt(time->LabelZeitWechselTitel->text());
  texts.TimeFormatTitle = platform::FromQt(time->LabelZeitFormatTitel->text());
  for (std::size_t i = 0; i < texts.TimeChangeTexts.size(); ++i)
    texts.TimeChangeTexts[i] = platform::FromQt(time->ChangeTexts[i]);
  if (viewMenu_)
    for (std::size_t n = 0; n < printdata::kLayerCount; ++n)
      words.LayerTitles[n] = platform::FromQt(viewMenu_->LabelEbene[n]->text());
  // Vorlauf, Drucklänge, Lage, Anzahl, Abstand, Anzahl2, Abstand2, Nachlauf.
  const int order[8] = {editor::kVorlauf, editor::kDrucklaenge, editor::kLage,     editor::kAnzahl,
                        editor::kAbstand, editor::kAnzahl2,     editor::kAbstand2, editor::kNachlauf};
  for (std::size_t i = 0; i < 8; ++i)
    words.ParameterTitles[i] =
        platform::FromQt(FrameBearbeitenParameter->Values[static_cast<std::size_t>(order[i])].Title->text());
  return words;
}

// --- Page buttons ---------------------------------------------------------

namespace {

void ToggleMenu(QObject* sender, QWidget* menu, editor::ui::EditorHost* host, const std::function<void()>& open) {
  platform::RepaintSender(sender);
  const bool wasOpen = menu && !menu->isHidden();
  if (host) host->CloseMenusAndRefresh();
  if (wasOpen || !menu) return;
  open();
}

}  // namespace

void TFrameBearbeiten::SpeedButtonAnsichtClick(QObject* sender) {
  ToggleMenu(sender, viewMenu_, host_, [this] { viewMenu_->ShowMenu(); });
}

void TFrameBearbeiten::SpeedButtonZoomClick(QObject* sender) {
  ToggleMenu(sender, zoomMenu_, host_, [this] {
    zoomMenu_->show();
    zoomMenu_->raise();
  });
}

void TFrameBearbeiten::SpeedButtonRasterClick(QObject* sender) {
  ToggleMenu(sender, gridMenu_, host_, [this] {
    gridMenu_->show();
    gridMenu_->raise();
  });
}

void TFrameBearbeiten::SpeedButtonDruckansichtClick(QObject* sender) {
  platform::RepaintSender(sender);
  CloseMenus();
  if (PrintViewShown()) {
    FormBearbeitenDruckansicht->close();
    return;
  }
  LabelAnsicht->Tag = 5;
  if (viewMenu_) viewMenu_->ApplyView();
  FormBearbeitenDruckansicht->show();
  FormBearbeitenDruckansicht->raise();
}

void TFrameBearbeiten::SpeedButtonHilfeClick(QObject* sender) {
  platform::RepaintSender(sender);
  CloseMenus();
  if (host_) host_->ShowQuickHelp();
}

void TFrameBearbeiten::SpeedButtonObjektTypDownClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  LabelObjektTyp->Tag = LabelObjektTyp->Tag - 1;
  ShowObjectFrame();
}

void TFrameBearbeiten::SpeedButtonObjektTyptUpClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  LabelObjektTyp->Tag = LabelObjektTyp->Tag + 1;
  ShowObjectFrame();
}

void TFrameBearbeiten::SpeedButtonOKClick(QObject* sender) {
  platform::RepaintSender(sender);
  const int i = dataView_ ? dataView_->Selected() : -1;
  if (i < 0 || i > 98) {
    CloseEditor();
    return;
  }
  RenderDatedBlack();
  // The data view draws the row from what it stores, as it draws every row.
  dataView_->StorePrintText(i, WorkText);
  dataView_->SetModified(true);
  ClosePrintView();
  CloseEditor();
}

void TFrameBearbeiten::SpeedButtonAbbrechenClick(QObject* sender) {
  platform::RepaintSender(sender);
  ClosePrintView();
  CloseEditor();
}

void TFrameBearbeiten::SpeedButtonExportDrucktextBMPClick(QObject* sender) {
  platform::RepaintSender(sender);
  Export(true);
}

void TFrameBearbeiten::SpeedButtonExportEbeneBMPClick(QObject* sender) {
  platform::RepaintSender(sender);
  Export(false);
}

void TFrameBearbeiten::Export(bool wholeText) {
  HideMenus();
  const QString exportWord = FrameBearbeitenGrafik ? FrameBearbeitenGrafik->ExportCaption() : QStringLiteral("Exportieren");
  const QString toolWord = FrameBearbeitenGrafik ? FrameBearbeitenGrafik->ToolTitle() : QStringLiteral("Grafik");
  QString title = exportWord + QStringLiteral(" ") + toolWord + QStringLiteral(" ") +
                  (dataView_ ? dataView_->DataTitle() : QString());
  if (!wholeText) title += QStringLiteral(" ") + LabelAnsicht->text();
  if (!host_) return;
  const std::optional<std::string> file = host_->ChooseBitmapFile(title);
  if (!file) return;
  const int view = EditorView();
  if (!wholeText && (view < 0 || view > 4)) return;
  editor::PreviewImages& images = FrameBearbeitenVorschau->Images;
  platform::Bitmap& picture = FrameBearbeitenVorschau->ImageGrafik->Picture();
  picture.Resize(images.Field.Width(), images.Field.Height());
  if (wholeText) {
    for (const platform::Bitmap& layer : images.Layers) picture.DrawTransparent(layer, 0, 0);
  } else {
    picture.DrawTransparent(images.Layers[static_cast<std::size_t>(view)], 0, 0);
  }
  editor::MakeBlackAndWhite(picture);
  if (!platform::WriteFileAtomic(*file, editor::EncodeBmp(picture)).ok()) platform::Beep(platform::BeepKind::Stop);
}
