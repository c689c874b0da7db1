#include "printdata/ui/TFrameDaten.h"

#include <QScrollBar>
#include <cstdlib>

#include "rendering/LayerRendering.h"
#include "rendering/LocalClock.h"
#include "platform/Beep.h"
#include "platform/PcIdentifier.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/TextCodec.h"
#include "printdata/Copy.h"
#include "printdata/Init.h"
#include "printdata/PrintField.h"
#include "printdata/Protection.h"
#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSchliessen.h"
#include "printdata/ui/TFrameMenuSchutz.h"
#include "printdata/ui/TFrameMenuSpeichern.h"
#include "printdata/ui/Thread_Daten.h"
#include "printdata/ui/ToggleLook.h"

using namespace platform::colours;
using printdata::kMaxPrintTexts;

namespace {

constexpr int kTitleHeight = 32;
constexpr int kTopBarHeight = 64;
constexpr int kSpacerHeight = 8;
constexpr int kButtonWidth = 88;
constexpr int kButtonPitch = 96;
// The left group of the top bar ends here (Schutz at 488 + 88, and a gap).
constexpr int kLeftGroupEnd = 584;
// Room the list keeps after its last control (the scroll box's margin).
constexpr int kListMargin = 8;

void ErrorBeep() { platform::Beep(platform::BeepKind::Error); }

std::size_t At(int i) { return static_cast<std::size_t>(i); }

}  // namespace

TFrameDaten::TFrameDaten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameDaten"));
  setFont(platform::VerdanaPx(11));
  platform::SetTextColour(this, kNavy);

  PanelTitel = platform::AddTitleBar(this, TitleNone);
  PanelTitel->setObjectName(QStringLiteral("PanelTitel"));
  PanelTitel->SetHint(QString());
  platform::RegisterText(this, "TitleNone", TitleNone);
  platform::RegisterText(this, "TitleNew", TitleNew);
  PanelTop = new platform::Panel(this);
  PanelTop->setObjectName(QStringLiteral("PanelTop"));
  PanelTop->SetColor(kSilver);

  auto add = [this](int left, const char* panelName, const char* buttonName, const QString& caption,
                    platform::Panel*& panel, platform::SpeedButton*& button, void (TFrameDaten::*handler)(QObject*)) {
    platform::AddButtonPanel(PanelTop, QRect(left, 8, kButtonWidth, 48), caption, panel, button);
    panel->setObjectName(QString::fromLatin1(panelName));
    button->setObjectName(QString::fromLatin1(buttonName));
    platform::SpeedButton* b = button;
    connect(b, &QAbstractButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
  };
  add(8, "PanelAnsicht", "SpeedButtonAnsichtDown", QStringLiteral("Ansicht"), PanelAnsicht, SpeedButtonAnsichtDown,
      &TFrameDaten::SpeedButtonAnsichtDownClick);
  add(104, "PanelOeffnen", "SpeedButtonOeffnen", QStringLiteral("Öffnen"), PanelOeffnen, SpeedButtonOeffnen,
      &TFrameDaten::SpeedButtonOeffnenClick);
  add(200, "PanelSpeichern", "SpeedButtonSpeichern", QStringLiteral("Speichern"), PanelSpeichern, SpeedButtonSpeichern,
      &TFrameDaten::SpeedButtonSpeichernClick);
  add(296, "PanelSchliessen", "SpeedButtonSchliessen", QStringLiteral("Schliessen"), PanelSchliessen,
      SpeedButtonSchliessen, &TFrameDaten::SpeedButtonSchliessenClick);
  add(392, "PanelWerkzeug", "SpeedButtonWerkzeug", QStringLiteral("Werkzeug"), PanelWerkzeug, SpeedButtonWerkzeug,
      &TFrameDaten::SpeedButtonWerkzeugClick);
  add(488, "PanelSchutz", "SpeedButtonSchutz", QStringLiteral("Schutz"), PanelSchutz, SpeedButtonSchutz,
      &TFrameDaten::SpeedButtonSchutzClick);
  add(608, "PanelRapport", "SpeedButtonRapport", QStringLiteral("Rapport"), PanelRapport, SpeedButtonRapport,
      &TFrameDaten::SpeedButtonRapportClick);
  add(704, "PanelHilfe", "SpeedButtonHilfe", QStringLiteral("?"), PanelHilfe, SpeedButtonHilfe,
      &TFrameDaten::SpeedButtonHilfeClick);

  PanelDumy1 = new platform::Panel(this);
  PanelDumy1->setObjectName(QStringLiteral("PanelDumy1"));
  PanelMain = new platform::Panel(this);
  PanelMain->setObjectName(QStringLiteral("PanelMain"));
  PanelDumy2 = new platform::Panel(this);
  PanelDumy2->setObjectName(QStringLiteral("PanelDumy2"));

  ScrollBoxMain = new QScrollArea(PanelMain);
  ScrollBoxMain->setObjectName(QStringLiteral("ScrollBoxMain"));
  ScrollBoxMain->setFrameShape(QFrame::NoFrame);
  ScrollBoxMain->setFocusPolicy(Qt::NoFocus);
  ScrollBoxMain->setWidgetResizable(false);
  ScrollBoxMain->viewport()->setAutoFillBackground(false);
  ScrollBoxMain->setAutoFillBackground(false);
  ScrollBoxMain->verticalScrollBar()->setSingleStep(16);
  ScrollBoxMain->horizontalScrollBar()->setSingleStep(16);
  list_ = new QWidget;
  list_->setObjectName(QStringLiteral("ScrollBoxMainList"));
  ScrollBoxMain->setWidget(list_);
  // After setWidget, which fills the list's background: the page's colour
  // shows between the rows and around them, as where there is no list.
  list_->setAutoFillBackground(false);
  list_->resize(1, 1);

  // Made before the rows, so that it lies under the row pictures and only
  // its 3 px rim shows around the marked one.
  auto* shape = new platform::Panel(list_);
  shape->SetColor(kNavy);
  ShapeSelector = shape;
  ShapeSelector->setObjectName(QStringLiteral("ShapeSelector"));
  ShapeSelector->hide();

  hide();
  Count = 0;
  Selected = 0;
  printdata::GroupInit(Group);
  printdata::PrintTextInit(Clipboard);
}

TFrameDaten::~TFrameDaten() {
  // The refresher goes first: nothing it draws into may be gone before it.
  Refresher.reset();
  auto drop = [](auto& controls) {
    for (auto*& c : controls) {
      delete c;
      c = nullptr;
    }
  };
  drop(RowNumbers);
  drop(RowImages);
  drop(RowLayers);
  drop(RowParameters);
  drop(RowNotes);
}

void TFrameDaten::Connect(DataViewHost* host, DataViewEditor* editor, const DataPageMenus& menus) {
  host_ = host;
  editor_ = editor;
  menus_ = menus;
  if (menus_.Ansicht) menus_.Ansicht->Attach(this);
  if (menus_.Bearbeiten) menus_.Bearbeiten->Attach(this);
  if (menus_.Schutz) menus_.Schutz->Attach(this);
  if (menus_.Schliessen) menus_.Schliessen->Attach(this);
  if (menus_.Oeffnen) menus_.Oeffnen->Attach(this);
  if (menus_.Speichern) menus_.Speichern->Attach(this);
}

void TFrameDaten::resizeEvent(QResizeEvent*) {
  const int w = width(), h = height();
  PanelTitel->setGeometry(0, 0, w, kTitleHeight);
  PanelTop->setGeometry(0, kTitleHeight, w, kTopBarHeight);
  // "Rapport" and "?" keep their distance to the right edge, but never slide
  // over the left group: on a narrow page they become narrower instead.
  const int right = w - 8;
  int buttonWidth = kButtonWidth;
  int rapport = right - kButtonWidth - kButtonPitch;
  if (rapport < kLeftGroupEnd) {
    buttonWidth = std::max(40, (right - kLeftGroupEnd - 8) / 2);
    rapport = kLeftGroupEnd;
  }
  PanelRapport->setGeometry(rapport, 8, buttonWidth, 48);
  PanelHilfe->setGeometry(rapport + buttonWidth + 8, 8, buttonWidth, 48);
  const int listTop = kTitleHeight + kTopBarHeight + kSpacerHeight;
  PanelDumy1->setGeometry(0, kTitleHeight + kTopBarHeight, w, kSpacerHeight);
  PanelMain->setGeometry(0, listTop, w, std::max(0, h - listTop - kSpacerHeight));
  PanelDumy2->setGeometry(0, h - kSpacerHeight, w, kSpacerHeight);
  ScrollBoxMain->setGeometry(PanelMain->rect());
}

int TFrameDaten::Zoom() const {
  const int tag = menus_.Ansicht ? menus_.Ansicht->LabelZoom->Tag : 2;
  return std::clamp(tag, printdata::kMinZoom, printdata::kMaxZoom);
}

std::array<bool, printdata::kRowColumnCount> TFrameDaten::Columns() const {
  if (!menus_.Ansicht) return {false, false, false};
  const TFrameMenuAnsicht* v = menus_.Ansicht;
  return {v->SpeedButtonEbenen->Tag == 1, v->SpeedButtonParameter->Tag == 1, v->SpeedButtonNotizen->Tag == 1};
}

int TFrameDaten::ListHeight() const { return ScrollBoxMain->viewport()->height(); }

void TFrameDaten::CreateRows() {
  if (rowsCreated_) return;
  const int zoom = Zoom();
  FreezeList();
  const auto routeMouse = [this](QWidget* control) {
    control->setCursor(Qt::PointingHandCursor);
    printdata::ui::OnMouse(control, {[this, control](Qt::MouseButton b) { RowMouseDown(control, b); },
                                     [this, control] { SelectRow(control); }, [this, control] { OpenRow(control); }});
  };
  const printdata::RowPlaces places = printdata::LayOutRows(Group, 0, zoom, {false, false, false});
  for (int i = 0; i < kMaxPrintTexts; ++i) {
    auto* l = new QLabel(QString::number(i + 1), list_);
    l->setObjectName(QStringLiteral("RowNumber%1").arg(i + 1));
    l->setGeometry(printdata::kRowNumberLeft, 0, printdata::kRowNumberWidth, printdata::kRowNumberHeight);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setTextFormat(Qt::PlainText);
    l->hide();
    routeMouse(l);
    RowNumbers[At(i)] = l;
  }
  for (int i = 0; i < kMaxPrintTexts; ++i) {
    auto* image = new printdata::ui::RowImage(list_);
    image->setObjectName(QStringLiteral("RowImage%1").arg(i + 1));
    const printdata::RowPlace& p = places[At(i)];
    image->setGeometry(printdata::kRowLeft, 0, p.ImageWidth, p.ImageHeight);
    image->SetPictureSize(p.BitmapWidth, printdata::kPrintFieldRows);
    image->hide();
    routeMouse(image);
    RowImages[At(i)] = image;
  }
  for (int i = 0; i < kMaxPrintTexts; ++i) {
    auto* f = new TFrameDatenEbenen(list_);
    f->move(printdata::kRowLeft, 0);
    f->hide();
    for (platform::Panel* line : f->PanelEbene) routeMouse(line);
    RowLayers[At(i)] = f;
  }
  for (int i = 0; i < kMaxPrintTexts; ++i) {
    auto* f = new TFrameDatenParameter(list_);
    f->move(printdata::kRowLeft, 0);
    f->hide();
    routeMouse(f);
    RowParameters[At(i)] = f;
  }
  for (int i = 0; i < kMaxPrintTexts; ++i) {
    auto* f = new TFrameDatenNotiz(list_);
    f->move(printdata::kRowLeft, 0);
    f->hide();
    routeMouse(f);
    RowNotes[At(i)] = f;
  }
  rowsCreated_ = true;
  Repaint();
  Refresher = std::make_unique<Thread_Daten>(*this);
  Refresher->Resume();
}

void TFrameDaten::FreezeList() { ScrollBoxMain->setUpdatesEnabled(false); }

void TFrameDaten::Repaint() {
  FreezeList();
  if (rowsCreated_) {
    const printdata::RowPlaces places = printdata::LayOutRows(Group, Count, Zoom(), Columns());
    for (int i = 0; i < kMaxPrintTexts; ++i) {
      const printdata::RowPlace& p = places[At(i)];
      RowImages[At(i)]->setGeometry(printdata::kRowLeft, p.ImageTop, p.ImageWidth, p.ImageHeight);
      RowImages[At(i)]->SetPictureSize(p.BitmapWidth, printdata::kPrintFieldRows);
      RowNumbers[At(i)]->move(printdata::kRowNumberLeft, p.NumberTop);
      RowImages[At(i)]->setVisible(p.Shown);
      RowNumbers[At(i)]->setVisible(p.Shown);
      const std::array<QWidget*, printdata::kRowColumnCount> columns = {RowLayers[At(i)], RowParameters[At(i)],
                                                                        RowNotes[At(i)]};
      for (int c = 0; c < printdata::kRowColumnCount; ++c) {
        QWidget* frame = columns[At(c)];
        if (p.ColumnOn[At(c)]) {
          frame->move(printdata::kRowLeft, p.ColumnTop[At(c)]);
          frame->setVisible(p.Shown);
        } else {
          frame->hide();
        }
      }
    }
    UpdateListExtent();
    if (Selected >= 0 && Selected < kMaxPrintTexts) SelectRow(RowImages[At(Selected)]);
  }
  ScrollBoxMain->setUpdatesEnabled(true);
}

void TFrameDaten::UpdateListExtent() {
  int right = 0, bottom = 0;
  for (QObject* o : list_->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->isHidden()) continue;
    right = std::max(right, w->x() + w->width());
    bottom = std::max(bottom, w->y() + w->height());
  }
  list_->resize(right + kListMargin, bottom + kListMargin);
}

void TFrameDaten::RenderRow(int index) {
  if (!rowsCreated_ || index < 0 || index >= kMaxPrintTexts) return;
  const editor::LocalDateTime now = editor::LocalNow();
  editor::LoadAndRender(&Group.Texts[At(index)], work_, images_, now);
  printdata::ui::RowImage* image = RowImages[At(index)];
  image->SetPicture(editor::ComposeRowImage(images_, work_));
  image->resize(editor::RowImageControlWidth(work_, Zoom()), printdata::kPrintFieldRows * Zoom());
  const editor::RowWords words = editor_ ? editor_->RowWords() : editor::RowWords{};
  TFrameDatenEbenen* layers = RowLayers[At(index)];
  layers->ShowTitles(words.LayerTitles);
  for (int n = 0; n < printdata::kLayerCount; ++n)
    layers->LabelEbene[At(n)]->setText(platform::ToQt(editor::LayerSummary(work_.Layers[At(n)], words.Summaries)));
  RowParameters[At(index)]->ShowTitles(words.ParameterTitles);
  RowParameters[At(index)]->ShowValues(editor::RowParameters(work_.Parameters.X1));
  RowNotes[At(index)]->ShowNote(work_.Note);
  if (Refresher) Refresher->Decisions().RowDrawn(index, MomentOf(now));
  // A wider picture may widen the list; narrowing waits for the next layout.
  const int right = image->x() + image->width() + kListMargin;
  if (!image->isHidden() && right > list_->width()) list_->resize(right, list_->height());
}

int TFrameDaten::RowOf(const QWidget* control) const {
  if (!control || !rowsCreated_) return -1;
  for (int i = 0; i < kMaxPrintTexts; ++i) {
    const std::size_t n = At(i);
    if (control == RowNumbers[n] || control == RowImages[n] || control == RowParameters[n] || control == RowNotes[n])
      return i;
    for (const platform::Panel* line : RowLayers[n]->PanelEbene)
      if (control == line) return i;
  }
  return -1;
}

int TFrameDaten::ViewOf(const QWidget* control) const {
  if (!rowsCreated_ || Selected < 0 || Selected >= kMaxPrintTexts) return DataViewEditor::kStartView;
  const std::size_t s = At(Selected);
  for (int n = 0; n < printdata::kLayerCount; ++n)
    if (control == RowLayers[s]->PanelEbene[At(n)]) return n;
  if (control == RowParameters[s]) return 5;
  if (control == RowNotes[s]) return 6;
  return DataViewEditor::kStartView;
}

void TFrameDaten::SelectRow(QWidget* control) {
  if (host_) host_->HideMenuFrames();
  const int i = RowOf(control);
  if (i < 0) return;
  auto setBold = [](QLabel* l, bool bold) {
    QFont f = l->font();
    f.setBold(bold);
    l->setFont(f);
  };
  if (Selected >= 0 && Selected < kMaxPrintTexts) setBold(RowNumbers[At(Selected)], false);
  Selected = i;
  setBold(RowNumbers[At(i)], true);
  const QRect image = RowImages[At(i)]->geometry();
  ShapeSelector->setGeometry(image.adjusted(-3, -3, 3, 3));
  if (Count <= 0) {
    // The list shrinks with the marker gone: no scroll range is left over.
    ShapeSelector->hide();
    UpdateListExtent();
    return;
  }
  ShapeSelector->show();
  UpdateListExtent();
  QScrollBar* bar = ScrollBoxMain->verticalScrollBar();
  const int v = bar->value();
  const std::array<bool, printdata::kRowColumnCount> columns = Columns();
  const QWidget* last = ShapeSelector;
  if (columns[printdata::kColumnNotes])
    last = RowNotes[At(i)];
  else if (columns[printdata::kColumnParameters])
    last = RowParameters[At(i)];
  else if (columns[printdata::kColumnLayers])
    last = RowLayers[At(i)];
  const int top = ShapeSelector->y() - v;
  const int bottom = last->y() + last->height() - v;
  if (top < 0)
    bar->setValue(v + top);
  else if (bottom > ListHeight())
    bar->setValue(v + bottom - ListHeight());
}

void TFrameDaten::OpenRow(QWidget* control) {
  try {
    if (host_) host_->HideMenuFrames();
    SelectRow(control);
    if (host_ && host_->PasteDialogVisible()) return;
    const int view = ViewOf(control);
    IdleStep();
    OpenInEditor(view);
    IdleStep();
  } catch (...) {
    ErrorBeep();
  }
}

bool TFrameDaten::OpenInEditor(int view) {
  HidePage();
  bool opened = false;
  if (Selected >= 0 && Selected < kMaxPrintTexts && editor_) {
    const QString editCaption =
        menus_.Bearbeiten ? menus_.Bearbeiten->SpeedButtonBearbeiten->Caption() : QStringLiteral("Bearbeiten");
    const QString title = QStringLiteral("%1 - %2 [%3]").arg(editCaption, PanelTitel->Caption()).arg(Selected + 1);
    opened = editor_->OpenInEditor(Group.Texts[At(Selected)], title, view);
  }
  if (!opened) {
    ShowPage();
    return false;
  }
  if (Refresher) Refresher->Decisions().EditorOpened();
  return true;
}

void TFrameDaten::CloseData() {
  PanelTitel->SetCaption(TitleNone);
  PanelTitel->SetHint(QString());
  FreezeList();
  SetModified(false);
  printdata::GroupInit(Group);
  Selected = 0;
  Count = 0;
  Repaint();
}

void TFrameDaten::StoreEditedText(int index, const printdata::PrintText& text) {
  if (index < 0 || index >= kMaxPrintTexts) return;
  printdata::PrintTextCopy(text, Group.Texts[At(index)]);
  RenderRow(index);
  // After the drawing, so that the marker takes the picture's new width.
  SelectRow(RowImages[At(index)]);
}

void TFrameDaten::RowMouseDown(QWidget* control, Qt::MouseButton button) {
  if (host_) host_->HideMenuFrames();
  if (button != Qt::RightButton) return;
  SelectRow(control);
  if (host_ && host_->PasteDialogVisible()) return;
  IdleStep();
  if (menus_.Bearbeiten) {
    menus_.Bearbeiten->show();
    menus_.Bearbeiten->raise();
  }
}

void TFrameDaten::SetModified(bool modified) {
  modified_ = modified;
  printdata::ui::SetToggleLook(PanelSpeichern, SpeedButtonSpeichern, modified);
}

void TFrameDaten::ShowPage() { show(); }

void TFrameDaten::HidePage() { hide(); }

int TFrameDaten::LayersProtected() const { return printdata::ProtectionValue(Group.Protection) & 1; }

int TFrameDaten::ParametersProtected() const { return (printdata::ProtectionValue(Group.Protection) >> 1) & 1; }

int TFrameDaten::NotesProtected() const { return (printdata::ProtectionValue(Group.Protection) >> 2) & 1; }

bool TFrameDaten::AnyProtected() const { return printdata::ProtectionValue(Group.Protection) != 0; }

void TFrameDaten::ShowProtection() {
  if (menus_.Schutz) menus_.Schutz->ShowFlags(printdata::ProtectionValue(Group.Protection));
}

void TFrameDaten::ApplyIdleState() {
  const bool data = Count >= 1;
  SpeedButtonAnsichtDown->setEnabled(data);
  SpeedButtonOeffnen->setEnabled(true);
  SpeedButtonSpeichern->setEnabled(data);
  SpeedButtonSchliessen->setEnabled(data);
  SpeedButtonWerkzeug->setEnabled(data);
  SpeedButtonSchutz->setEnabled(data);
  SpeedButtonRapport->setEnabled(data);
  ShowProtection();
  if (menus_.Bearbeiten)
    menus_.Bearbeiten->ApplyEnabledStates(Count, host_ && host_->OperatingMode() == 0 && AnyProtected());
}

void TFrameDaten::IdleStep() {
  if (host_) host_->CloseMenusAndRefresh();
}

void TFrameDaten::ToggleMenu(platform::SpeedButton* button, QWidget* menu) {
  button->repaint();
  const bool wasOpen = menu && !menu->isHidden();
  IdleStep();
  if (wasOpen || !menu) return;
  menu->show();
  menu->raise();
}

void TFrameDaten::SpeedButtonAnsichtDownClick(QObject*) { ToggleMenu(SpeedButtonAnsichtDown, menus_.Ansicht); }
void TFrameDaten::SpeedButtonOeffnenClick(QObject*) { ToggleMenu(SpeedButtonOeffnen, menus_.Oeffnen); }
void TFrameDaten::SpeedButtonSpeichernClick(QObject*) { ToggleMenu(SpeedButtonSpeichern, menus_.Speichern); }
void TFrameDaten::SpeedButtonSchliessenClick(QObject*) { ToggleMenu(SpeedButtonSchliessen, menus_.Schliessen); }
void TFrameDaten::SpeedButtonWerkzeugClick(QObject*) { ToggleMenu(SpeedButtonWerkzeug, menus_.Bearbeiten); }
void TFrameDaten::SpeedButtonSchutzClick(QObject*) { ToggleMenu(SpeedButtonSchutz, menus_.Schutz); }

void TFrameDaten::SpeedButtonRapportClick(QObject*) {
  SpeedButtonRapport->repaint();
  IdleStep();
  if (host_) host_->PrintReport(true, true, true, true, true);
  IdleStep();
}

void TFrameDaten::SpeedButtonHilfeClick(QObject*) {
  SpeedButtonHilfe->repaint();
  IdleStep();
  if (host_) host_->ShowQuickHelp();
}

std::uint32_t TFrameDaten::PcIdentifier() { return platform::PcIdentifier(); }

void TerminateWithMessage(DataViewHost& host) {
  host.ProcessMessages();
  host.ShowNotice(QStringLiteral("Tarvik23 - Osmek AG"), host.CatalogueText(DataViewHost::kMsgRestart), kSilver);
  std::exit(-1);
}
