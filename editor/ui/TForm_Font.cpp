#include "editor/ui/TForm_Font.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <exception>

#include "editor/InstalledFonts.h"
#include "editor/ui/PaintGlyphs.h"
#include "editor/ui/WindowSizing.h"
#include "platform/Colours.h"
#include "platform/font/FontRenderer.h"
#include "platform/qt/Colour.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/SystemMessageBox.h"
#include "platform/qt/TextCodec.h"

TForm_Font* Form_Font = nullptr;

namespace {
using platform::colours::kLightGrey;
using platform::colours::kNavy;

constexpr int kBottomHeight = 65;
constexpr std::uint32_t kLabelColour = kNavy;

}  // namespace

QString TForm_Font::MissingFontText(int languageId) {
  switch (languageId) {
    case 1: return QStringLiteral("The font '%s' is not available on this PC!\n\n");
    case 2: return QStringLiteral("La police '%s' n'est pas disponibles sur ce PC!\n\n");
    case 3: return QStringLiteral("Il tipo di carattere '%s' non \u00e8 disponibile su questo PC!\n\n");
    case 4: return QStringLiteral("La fuente '%s' no est\u00e1 disponible en este PC!\n\n");
    default: return QStringLiteral("Die Schrift '%s' ist auf diesem PC nicht vorhanden!\n\n");
  }
}

std::string TForm_Font::FixedSample(int number) {
  switch (number) {
    case 1: return "ABCDEFGHIJKLMNOPQRSTUVWXYZ \xC4\xD6\xDC \xC9\xC8\xCA\xCB";
    case 2: return "abcdefghijklmnopqrstuvwxyz \xE4\xF6\xFC \xE9\xE8\xEA\xEB";
    case 3: return "0123456789";
    case 4: return "\xB0%&=^~_-+\x80\xA3$*/|\\.,:;#@()[]{}";
    default: return std::string();
  }
}

TForm_Font::TForm_Font(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  Form_Font = this;
  setObjectName(QStringLiteral("Form_Font"));
  setWindowTitle(QStringLiteral("Schrift"));
  setFont(platform::VerdanaPx(11));
  setModal(true);
  platform::SetWindowColour(this, kLightGrey);
  ListFamilies = [] { return editor::InstalledFontFamilies(); };
  platform::RegisterText(this, "WidthWord", WidthWord);
  BuildForm();
  Wire();
  resize(kStartSize);
  setMinimumSize(kMinimumSize);
  SampleFont.Name = "Arial";
  SampleFont.PointSize = 12;
  SampleFont.Width = 0;
  Panel_Vorschau->SetText("ABCDEFG abcdefg 0123456789");
  ApplySampleFont();
}

TForm_Font::~TForm_Font() {
  if (Form_Font == this) Form_Font = nullptr;
}

void TForm_Font::BuildForm() {
  ComboBox_Name = new QLineEdit(this);
  ComboBox_Name->setObjectName(QStringLiteral("ComboBox_Name"));
  ListBox_Name = new QListWidget(this);
  ListBox_Name->setObjectName(QStringLiteral("ListBox_Name"));
  ListBox_Name->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox_Name->setFocusPolicy(Qt::StrongFocus);

  auto box = [this](const char* name, const QString& caption, bool bold, bool italic, bool underline, bool strike) {
    auto* b = new QCheckBox(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    QFont f = platform::VerdanaPx(12);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strike);
    b->setFont(f);
    platform::SetTextColour(b, kLabelColour);
    return b;
  };
  // Each style box shows its caption in its own style.
  CheckBox_Bolt = box("CheckBox_Bolt", QStringLiteral("Fett"), true, false, false, false);
  CheckBox_Italic = box("CheckBox_Italic", QStringLiteral("Kursiv"), false, true, false, false);
  CheckBox_Underline = box("CheckBox_Underline", QStringLiteral("Unterstrichen"), false, false, true, false);
  CheckBox_StrikeOut = box("CheckBox_StrikeOut", QStringLiteral("Durchgestrichen"), false, false, false, true);
  CheckBox_BesteBreite = box("CheckBox_BesteBreite", QStringLiteral("Beste Qualit\u00e4t"), false, false, false, false);

  Label_BesteBreite = new QLabel(this);
  Label_BesteBreite->setObjectName(QStringLiteral("Label_BesteBreite"));
  Label_BesteBreite->setAutoFillBackground(true);
  Label_BesteBreite->setFont(platform::VerdanaPx(11));
  Label_Vorschau = new QLabel(QStringLiteral("Vorschau:"), this);
  Label_Vorschau->setObjectName(QStringLiteral("Label_Vorschau"));
  Label_Vorschau->setFont(platform::VerdanaPx(12, true));
  platform::SetTextColour(Label_Vorschau, kLabelColour);
  Label_VorschauNr = new QLabel(QStringLiteral("."), this);
  Label_VorschauNr->setObjectName(QStringLiteral("Label_VorschauNr"));
  Label_VorschauNr->setFont(platform::VerdanaPx(12, true));
  platform::SetTextColour(Label_VorschauNr, kLabelColour);
  Panel_Vorschau = new editor::ui::FontSample(this);
  Panel_Vorschau->setObjectName(QStringLiteral("Panel_Vorschau"));
  Panel_Vorschau->setCursor(Qt::PointingHandCursor);

  BottomPanel = platform::AddButtonRow(this, QRect(0, 0, kStartSize.width(), kBottomHeight));
  BottomPanel->setObjectName(QStringLiteral("BottomPanel"));
  platform::AddButtonPanel(BottomPanel, QRect(0, 9, 88, 48), QStringLiteral("OK"), PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(BottomPanel, QRect(0, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  NAME_AFTER_MEMBER(PanelOK);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(PanelAbbrechen);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);
  Image_Grip = new QLabel(BottomPanel);
  Image_Grip->setObjectName(QStringLiteral("Image_Grip"));
  Image_Grip->setPixmap(editor::ui::PaintGlyphPixmap(editor::ui::PaintGlyph::ChangeSize));
  Image_Grip->setAttribute(Qt::WA_TransparentForMouseEvents);
  Image_Grip->resize(16, 16);
}

void TForm_Font::LayoutForm() {
  const int w = width(), h = height();
  const int content = h - kBottomHeight;
  const int listWidth = std::max(200, (w - 24) / 2);
  const int right = 8 + listWidth + 8;
  const int sampleHeight = std::max(70, (content - 8) / 3);
  const int sampleTop = content - 8 - sampleHeight;
  ComboBox_Name->setGeometry(8, 8, listWidth, 24);
  ListBox_Name->setGeometry(8, 36, listWidth, sampleTop - 28 - 36);
  const int boxWidth = w - right - 8;
  CheckBox_Bolt->setGeometry(right, 8, boxWidth, 22);
  CheckBox_Italic->setGeometry(right, 30, boxWidth, 22);
  CheckBox_Underline->setGeometry(right, 52, boxWidth, 22);
  CheckBox_StrikeOut->setGeometry(right, 74, boxWidth, 22);
  CheckBox_BesteBreite->setGeometry(right, 104, boxWidth, 22);
  Label_BesteBreite->setGeometry(right + 20, 126, boxWidth - 20, 18);
  Label_Vorschau->setGeometry(8, sampleTop - 24, 120, 20);
  Label_VorschauNr->setGeometry(132, sampleTop - 24, 80, 20);
  Panel_Vorschau->setGeometry(8, sampleTop, w - 16, sampleHeight);
  BottomPanel->setGeometry(0, content, w, kBottomHeight);
  PanelAbbrechen->move(w - 24 - 88, 9);
  PanelOK->move(w - 24 - 88 - 8 - 88, 9);
  Image_Grip->move(w - 18, kBottomHeight - 18);
}

void TForm_Font::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayoutForm();
}

void TForm_Font::Wire() {
  connect(ComboBox_Name, &QLineEdit::textChanged, this, [this] { ComboBox_NameChange(); });
  // A click or the arrow keys select a row; the current row the list sets
  // itself when it takes the focus is not selected and chooses nothing.
  connect(ListBox_Name, &QListWidget::itemSelectionChanged, this, [this] { ListBox_NameClick(); });
  connect(CheckBox_Bolt, &QCheckBox::clicked, this, [this] { CheckBoxStyleClick(CheckBox_Bolt, platform::kFontBold); });
  connect(CheckBox_Italic, &QCheckBox::clicked, this,
          [this] { CheckBoxStyleClick(CheckBox_Italic, platform::kFontItalic); });
  connect(CheckBox_Underline, &QCheckBox::clicked, this,
          [this] { CheckBoxStyleClick(CheckBox_Underline, platform::kFontUnderline); });
  connect(CheckBox_StrikeOut, &QCheckBox::clicked, this,
          [this] { CheckBoxStyleClick(CheckBox_StrikeOut, platform::kFontStrikeOut); });
  connect(CheckBox_BesteBreite, &QCheckBox::clicked, this, [this] { CheckBox_BesteBreiteClick(); });
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(); });
  connect(SpeedButtonAbbrechen, &QAbstractButton::clicked, this, [this] { SpeedButtonAbbrechenClick(); });
  // Keys and the wheel reach the window before its controls.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

// ---- The font of record ----------------------------------------------------------------

void TForm_Font::ApplySampleFont() { Panel_Vorschau->SetSampleFont(SampleFont); }

void TForm_Font::SetNameAndStyle(const std::string& name, std::uint8_t style) {
  SampleFont.Name = name;
  SampleFont.Style = style & (platform::kFontBold | platform::kFontItalic | platform::kFontUnderline | platform::kFontStrikeOut);
  ApplySampleFont();
}

void TForm_Font::SetSizeAndWidth(int size, int width, const std::string& text) {
  SampleFont.PointSize = size;
  SampleFont.Width = std::max(width, 0);
  RequestedWidth = width;
  Panel_Vorschau->SetText(text);
  ApplySampleFont();
}

int TForm_Font::NaturalWidth(bool* ok) const {
  platform::FontDescription natural = SampleFont;
  natural.Width = 0;
  auto font = platform::FontRenderer::Instance().CreateFont(natural);
  *ok = font.ok();
  return font ? (*font)->Metrics().AveCharWidth : 0;
}

int TForm_Font::ResultWidth() const {
  if (SampleFont.Width > 0) return SampleFont.Width;
  bool ok = false;
  const int natural = NaturalWidth(&ok);
  if (ok && natural > 0) return natural;
  return RequestedWidth;
}

int TForm_Font::ShowModal() { return exec(); }

// ---- Showing ---------------------------------------------------------------------------------

void TForm_Font::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm_Font::FormShow() {
  Ready = false;
  editor::ui::FitToWorkArea(this, kMinimumSize);
  if (FirstShow) {
    FirstShow = false;
    editor::ui::CentreOnMainWindow(this, Services);
  }
  Sizing = false;
  shownFont_ = SampleFont;

  filling_ = true;
  ListBox_Name->clear();
  families_.clear();
  try {
    if (ListFamilies) families_ = ListFamilies();
  } catch (const std::exception&) {
    // Fontconfig or FreeType that cannot start leave the lists empty.
  }
  for (const std::string& family : families_) ListBox_Name->addItem(platform::ToQt(family));
  int row = -1;
  for (std::size_t i = 0; i < families_.size(); ++i)
    if (families_[i] == SampleFont.Name) row = static_cast<int>(i);
  if (row >= 0) ListBox_Name->setCurrentRow(row);
  ListBox_Name->scrollToItem(row >= 0 ? ListBox_Name->item(row) : nullptr);
  ComboBox_Name->setText(platform::ToQt(SampleFont.Name));
  CheckBox_Bolt->setChecked(SampleFont.Style & platform::kFontBold);
  CheckBox_Italic->setChecked(SampleFont.Style & platform::kFontItalic);
  CheckBox_Underline->setChecked(SampleFont.Style & platform::kFontUnderline);
  CheckBox_StrikeOut->setChecked(SampleFont.Style & platform::kFontStrikeOut);
  filling_ = false;

  if (row < 0) {
    QString text = MissingFontText(Services.LanguageId ? Services.LanguageId() : 0);
    text.replace(QStringLiteral("%s"), platform::ToQt(SampleFont.Name));
    platform::SystemMessageBox(QStringLiteral("Tarvik23 - Osmek AG"), text, platform::SystemBoxIcon::Stop);
  }

  SampleNumber = 0;
  Label_VorschauNr->setText(QStringLiteral("."));
  SampleText = Panel_Vorschau->Text();
  CheckBox_BesteBreite->setChecked(false);
  CheckBox_BesteBreite->hide();
  ShowWidthLabelText(false);
  Ready = true;
  RefreshPreview();
  ComboBox_Name->setFocus();
}

void TForm_Font::ShowWidthLabelText(bool shown) {
  // The text is there but drawn in the label's background colour.
  QPalette pal = Label_BesteBreite->palette();
  const QColor background = palette().color(QPalette::Window);
  pal.setColor(QPalette::Window, background);
  pal.setColor(QPalette::WindowText, shown ? platform::VclColor(kLabelColour) : background);
  Label_BesteBreite->setPalette(pal);
}

void TForm_Font::RefreshPreview() {
  if (!Ready) return;
  SampleFont.Width = 0;
  bool ok = false;
  const int natural = NaturalWidth(&ok);
  if (!ok) {
    ApplySampleFont();
    return;
  }
  Label_BesteBreite->setText(WidthWord + QLatin1Char(' ') + QString::number(natural));
  if (RequestedWidth == natural) {
    CheckBox_BesteBreite->hide();
    ShowWidthLabelText(false);
  } else {
    CheckBox_BesteBreite->show();
  }
  const bool keepNatural = CheckBox_BesteBreite->isVisible() && CheckBox_BesteBreite->isChecked();
  if (!keepNatural && RequestedWidth != natural) SampleFont.Width = std::max(RequestedWidth, 0);
  ApplySampleFont();
}

// ---- Choosing a family ---------------------------------------------------------------------

void TForm_Font::SelectRow(int row, bool setField) {
  filling_ = true;
  if (row < 0)
    ListBox_Name->clearSelection();
  else
    ListBox_Name->setCurrentRow(row);
  if (setField && row >= 0) ComboBox_Name->setText(ListBox_Name->item(row)->text());
  filling_ = false;
  if (row < 0) return;
  // Another family drops the custom width until the refresh puts it back.
  SampleFont.Name = families_[static_cast<std::size_t>(row)];
  SampleFont.Width = 0;
  RefreshPreview();
}

void TForm_Font::ComboBox_NameChange() {
  if (filling_) return;
  const QString typed = ComboBox_Name->text();
  int row = -1;
  for (int i = 0; i < ListBox_Name->count() && row < 0; ++i)
    if (ListBox_Name->item(i)->text() == typed) row = i;
  for (int i = 0; i < ListBox_Name->count() && row < 0; ++i)
    if (ListBox_Name->item(i)->text().compare(typed, Qt::CaseInsensitive) == 0) row = i;
  SelectRow(row, false);
}

int TForm_Font::SelectedRow() const {
  const QList<QListWidgetItem*> selected = ListBox_Name->selectedItems();
  return selected.isEmpty() ? -1 : ListBox_Name->row(selected.front());
}

void TForm_Font::ListBox_NameClick() {
  if (filling_) return;
  const int row = SelectedRow();
  if (row >= 0) SelectRow(row, true);
}

void TForm_Font::FormMouseWheelDown() {
  int row = SelectedRow() + 1;
  if (row >= ListBox_Name->count()) row = -1;
  SelectRow(row, true);
}

void TForm_Font::FormMouseWheelUp() {
  int row = SelectedRow();
  row = row < 0 ? -1 : row - 1;
  SelectRow(row, true);
}

void TForm_Font::CheckBoxStyleClick(QCheckBox* box, std::uint8_t bit) {
  if (box->isChecked())
    SampleFont.Style |= bit;
  else
    SampleFont.Style &= static_cast<std::uint8_t>(~bit);
  SampleFont.Width = 0;
  RefreshPreview();
  if (!Ready) ApplySampleFont();
}

void TForm_Font::CheckBox_BesteBreiteClick() { RefreshPreview(); }

void TForm_Font::Panel_VorschauClick() {
  SampleNumber = (SampleNumber + 1) % 5;
  Panel_Vorschau->SetText(SampleNumber == 0 ? SampleText : FixedSample(SampleNumber));
  Label_VorschauNr->setText(QString(SampleNumber + 1, QLatin1Char('.')));
}

// ---- Buttons and keys ------------------------------------------------------------------------

void TForm_Font::SpeedButtonOKClick() {
  SpeedButtonOK->repaint();
  RefreshPreview();
  done(1);
}

void TForm_Font::SpeedButtonAbbrechenClick() {
  SpeedButtonAbbrechen->repaint();
  // What was chosen in the window does not reach the font of record.
  SampleFont = shownFont_;
  ApplySampleFont();
  done(2);
}

void TForm_Font::reject() { SpeedButtonAbbrechenClick(); }

bool TForm_Font::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const bool plain = editor::ui::NoModifierHeld(modifiers);
  const bool inName = focusWidget() == ComboBox_Name;
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plain) {
    if (inName) SpeedButtonOKClick();
    // Enter elsewhere does nothing, not even the dialog's default button.
    return true;
  }
  if (key == Qt::Key_Escape && plain) {
    if (inName) SpeedButtonAbbrechenClick();
    return true;
  }
  if (key == Qt::Key_P && editor::ui::CtrlAlone(modifiers)) {
    platform::PrintHardcopy(this);
    return true;
  }
  if (key == Qt::Key_F1 && plain) {
    if (Services.UserGuide) Services.UserGuide();
    return true;
  }
  return false;
}

// ---- Window size -------------------------------------------------------------------------------

QSize TForm_Font::LimitSize(QSize proposed) const { return editor::ui::LimitWindowSize(this, kMinimumSize, proposed); }

void TForm_Font::BottomPanelMouseDown(const QPoint& globalPosition) {
  barDrag_.Start(this, globalPosition);
  Sizing = true;
}

void TForm_Font::BottomPanelMouseMove(const QPoint& globalPosition) {
  if (Sizing) resize(LimitSize(barDrag_.SizeAt(globalPosition)));
}

void TForm_Font::BottomPanelMouseUp() {
  Sizing = false;
  editor::ui::BarDrag::Stop(this);
}

void TForm_Font::BottomPanelDblClick() { editor::ui::ToggleWorkArea(this, RestoreBounds); }

bool TForm_Font::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      if (!isVisible()) break;
      auto* key = static_cast<QKeyEvent*>(event);
      if (FormKeyDown(key->key(), key->modifiers())) return true;
      break;
    }
    case QEvent::Wheel: {
      if (!isVisible()) break;
      const int dy = static_cast<QWheelEvent*>(event)->angleDelta().y();
      if (dy < 0) FormMouseWheelDown();
      if (dy > 0) FormMouseWheelUp();
      return true;
    }
    case QEvent::Enter:
      if (watched == Label_BesteBreite && CheckBox_BesteBreite->isVisible()) ShowWidthLabelText(true);
      break;
    case QEvent::Leave:
      if (watched == Label_BesteBreite) ShowWidthLabelText(false);
      break;
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      if (watched == Panel_Vorschau) Panel_VorschauClick();
      if (watched == BottomPanel) BottomPanelMouseDown(mouse->globalPosition().toPoint());
      break;
    }
    case QEvent::MouseMove:
      if (watched == BottomPanel) BottomPanelMouseMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      break;
    case QEvent::MouseButtonRelease:
      if (watched == BottomPanel) BottomPanelMouseUp();
      break;
    case QEvent::MouseButtonDblClick:
      if (watched == BottomPanel) BottomPanelDblClick();
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}
