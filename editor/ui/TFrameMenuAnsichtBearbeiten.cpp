#include "editor/ui/TFrameMenuAnsichtBearbeiten.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "editor/PrintStrip.h"
#include "editor/ui/PaneLook.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenNotiz.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "platform/qt/Colour.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/TextCodec.h"
#include "printdata/PrintField.h"

namespace {

constexpr int kLabelWidth = 80;
constexpr int kArea = 600;
constexpr int kLayerRow = 34;
constexpr int kWideRow = 40;
constexpr int kMenuWidth = 8 + kLabelWidth + kArea + 16;

void Look(platform::Panel* row, platform::Label* label, bool chosen) {
  row->SetColor(chosen ? editor::ui::kEntryChosen : editor::ui::kEntryNormal);
  platform::SetTextColour(label, chosen ? editor::ui::kWhite : editor::ui::kNavy);
  QFont f = label->font();
  f.setBold(chosen);
  label->setFont(f);
}

}  // namespace

TFrameMenuAnsichtBearbeiten::TFrameMenuAnsichtBearbeiten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuAnsichtBearbeiten"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, platform::colours::kSilver);
  const int width = kMenuWidth;
  auto background = [this](const char* name) {
    auto* p = new platform::Panel(this);
    p->setObjectName(QString::fromLatin1(name));
    p->SetColor(platform::colours::kSilver);
    return p;
  };
  // The empty space around the rows: a click there closes the menu.
  PanelMain1 = background("PanelMain1");
  PanelMain2 = background("PanelMain2");
  PanelMain3 = background("PanelMain3");

  auto row = [this](const QString& n, int top, int height, platform::Label** label, const QString& text) {
    auto* panel = new platform::Panel(this);
    panel->setObjectName(QStringLiteral("Panel") + n);
    panel->setGeometry(8, top, kMenuWidth - 16, height);
    auto* l = new platform::Label(text, panel);
    l->setObjectName(QStringLiteral("Label") + n);
    l->setGeometry(8, 0, kLabelWidth - 8, height);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    *label = l;
    return panel;
  };
  int top = 8;
  for (int i = 0; i < 5; ++i) {
    const QString n = QStringLiteral("Ebene%1").arg(i + 1);
    PanelEbene[static_cast<std::size_t>(i)] =
        row(n, top, kLayerRow, &LabelEbene[static_cast<std::size_t>(i)], QStringLiteral("Ebene %1").arg(i + 1));
    auto* image = new editor::ui::ImageControl(PanelEbene[static_cast<std::size_t>(i)]);
    image->setObjectName(QStringLiteral("ImageVorschau") + n);
    image->move(kLabelWidth, 4);
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    ImageVorschauEbene[static_cast<std::size_t>(i)] = image;
    top += kLayerRow + 4;
  }
  PanelParameter = row(QStringLiteral("Parameter"), top, kWideRow, &LabelParameter, QStringLiteral("Parameter"));
  ImageVorschauParameter = new editor::ui::ImageControl(PanelParameter);
  ImageVorschauParameter->setObjectName(QStringLiteral("ImageVorschauParameter"));
  ImageVorschauParameter->setAttribute(Qt::WA_TransparentForMouseEvents);
  top += kWideRow + 4;
  PanelNotiz = row(QStringLiteral("Notiz"), top, kWideRow, &LabelNotiz, QStringLiteral("Notiz"));
  MemoVorschauNotiz = new QPlainTextEdit(PanelNotiz);
  MemoVorschauNotiz->setObjectName(QStringLiteral("MemoVorschauNotiz"));
  MemoVorschauNotiz->setReadOnly(true);
  MemoVorschauNotiz->setFrameShape(QFrame::NoFrame);
  MemoVorschauNotiz->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoVorschauNotiz->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoVorschauNotiz->setGeometry(kLabelWidth, 4, kArea, 32);
  MemoVorschauNotiz->setAttribute(Qt::WA_TransparentForMouseEvents);
  QFont italic = platform::VerdanaPx(11);
  italic.setItalic(true);
  MemoVorschauNotiz->setFont(italic);
  QPalette pal = MemoVorschauNotiz->palette();
  pal.setColor(QPalette::Base, platform::VclColor(editor::ui::kValuePanel));
  pal.setColor(QPalette::Text, platform::VclColor(editor::ui::kNavy));
  MemoVorschauNotiz->setPalette(pal);
  top += kWideRow + 4;

  // One button over each whole row, on top of its label and thumbnail.
  for (int v = 0; v < 7; ++v) {
    auto* b = new platform::SpeedButton(Row(v));
    b->raise();
    if (v < 5) {
      b->setObjectName(QStringLiteral("SpeedButtonEbene%1").arg(v + 1));
      SpeedButtonEbene[static_cast<std::size_t>(v)] = b;
    } else {
      b->setObjectName(v == 5 ? QStringLiteral("SpeedButtonParameter") : QStringLiteral("SpeedButtonNotiz"));
      (v == 5 ? SpeedButtonParameter : SpeedButtonNotiz) = b;
    }
    connect(b, &QAbstractButton::clicked, this, [this, v, b] {
      switch (v) {
        case 0: SpeedButtonEbene1Click(b); break;
        case 1: SpeedButtonEbene2Click(b); break;
        case 2: SpeedButtonEbene3Click(b); break;
        case 3: SpeedButtonEbene4Click(b); break;
        case 4: SpeedButtonEbene5Click(b); break;
        case 5: SpeedButtonParameterClick(b); break;
        default: SpeedButtonNotizClick(b); break;
      }
    });
  }
  resize(width, top + 4);
  PanelMain1->setGeometry(0, 0, width, 8);
  PanelMain2->setGeometry(0, top, width, 4);
  PanelMain3->setGeometry(0, 8, 8, top - 8);
  for (int v = 0; v < 7; ++v) Look(Row(v), RowLabel(v), false);
  hide();
}

platform::Panel* TFrameMenuAnsichtBearbeiten::Row(int v) const {
  return v < 5 ? PanelEbene[static_cast<std::size_t>(v)] : v == 5 ? PanelParameter : PanelNotiz;
}

platform::Label* TFrameMenuAnsichtBearbeiten::RowLabel(int v) const {
  return v < 5 ? LabelEbene[static_cast<std::size_t>(v)] : v == 5 ? LabelParameter : LabelNotiz;
}

void TFrameMenuAnsichtBearbeiten::mousePressEvent(QMouseEvent*) { PanelMain1Click(this); }

void TFrameMenuAnsichtBearbeiten::PanelMain1Click(QObject*) {
  if (editor_ && editor_->Host()) editor_->Host()->CloseMenusAndRefresh();
}

void TFrameMenuAnsichtBearbeiten::ShowMenu() {
  for (unsigned n = 0; n <= 6; ++n) UpdateThumbnail(n);
  show();
  raise();
}

void TFrameMenuAnsichtBearbeiten::UpdateThumbnail(unsigned n) {
  if (!editor_) return;
  TFrameBearbeitenVorschau* preview = editor_->FrameBearbeitenVorschau;
  if (n <= 4) {
    editor::ui::ImageControl* thumb = ImageVorschauEbene[n];
    thumb->Picture() = preview->Images.Layers[n];
    thumb->resize(thumb->Picture().Width(), thumb->Picture().Height());
    thumb->PictureChanged();
  } else if (n == 5) {
    // The strip drawn straight at the size it is shown in, centred in the
    // row's area with its proportions kept.
    editor_->FormBearbeitenDruckansicht->DrawPrintView();
    const editor::PrintStripLayout& layout = editor_->FormBearbeitenDruckansicht->Layout();
    const editor::FittedSize size = editor::FitInto(layout.Width, printdata::kPrintFieldRows, kArea, 32);
    ImageVorschauParameter->Picture() = editor::RenderPrintStrip(layout, editor_->FormBearbeitenDruckansicht->PrintImage(),
                                                                 size.Width, size.Height);
    ImageVorschauParameter->setGeometry(kLabelWidth + (kArea - size.Width) / 2, 4 + (32 - size.Height) / 2, size.Width,
                                        size.Height);
    ImageVorschauParameter->PictureChanged();
  } else if (n == 6) {
    QString note = platform::ToQt(editor_->WorkText.Note);
    note.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    MemoVorschauNotiz->setPlainText(note);
    MemoVorschauNotiz->verticalScrollBar()->setValue(0);
  }
}

void TFrameMenuAnsichtBearbeiten::ChooseLayer(int view, QObject* sender) {
  platform::RepaintSender(sender);
  if (!editor_) return;
  editor_->LabelAnsicht->Tag = view;
  editor_->ClosePrintView();
  ApplyView();
}

void TFrameMenuAnsichtBearbeiten::ChooseView(int view, QObject* sender) {
  platform::RepaintSender(sender);
  if (!editor_) return;
  editor_->LabelAnsicht->Tag = view;
  ApplyView();
}

void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene1Click(QObject* s) { ChooseLayer(0, s); }
void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene2Click(QObject* s) { ChooseLayer(1, s); }
void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene3Click(QObject* s) { ChooseLayer(2, s); }
void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene4Click(QObject* s) { ChooseLayer(3, s); }
void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene5Click(QObject* s) { ChooseLayer(4, s); }
void TFrameMenuAnsichtBearbeiten::SpeedButtonParameterClick(QObject* s) { ChooseView(5, s); }
void TFrameMenuAnsichtBearbeiten::SpeedButtonNotizClick(QObject* s) { ChooseView(6, s); }

void TFrameMenuAnsichtBearbeiten::ApplyView() {
  if (!editor_) return;
  for (int v = 0; v < 7; ++v) Look(Row(v), RowLabel(v), false);
  platform::Label* viewLabel = editor_->LabelAnsicht;
  viewLabel->Tag = std::clamp(viewLabel->Tag, 0, 6);
  const int view = viewLabel->Tag;
  Look(Row(view), RowLabel(view), true);
  viewLabel->setText(RowLabel(view)->text());

  TFrameBearbeitenParameter* parameters = editor_->FrameBearbeitenParameter;
  TFrameBearbeitenNotiz* note = editor_->FrameBearbeitenNotiz;
  // Layers 0..4 show the object area (SelectLayer fills its pane), 5 the
  // parameters, 6 the note.
  editor_->ShowObjectArea(view <= 4);
  editor_->ShowObjectPane(-1);
  if (view == 5) parameters->SetExtendedView(editor::NeedsExtendedView(editor_->WorkText.Parameters));
  parameters->setVisible(view == 5);
  note->setVisible(view == 6);
  parameters->UpdateParameters();
  editor_->SelectLayer();
  if (view == 5) parameters->ShowProtected(parameters->Refused());
  if (view == 6) note->ShowProtected(note->Locked() ? 1 : 0);
  if (!editor_->isHidden() && editor_->Host()) editor_->Host()->CloseMenusAndRefresh();
}
