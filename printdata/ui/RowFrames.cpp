#include "printdata/ui/RowFrames.h"

#include <QPalette>
#include <algorithm>
#include <vector>

#include "rendering/RowPainting.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/TextCodec.h"
#include "printdata/RowLayout.h"

namespace {

using platform::colours::kWhite;

void SetUpColumn(QWidget* frame, const char* name, int column) {
  frame->setObjectName(QString::fromLatin1(name));
  frame->resize(printdata::kRowColumnWidth, printdata::kRowColumnHeights[static_cast<std::size_t>(column)]);
  frame->setFocusPolicy(Qt::NoFocus);
  frame->setCursor(Qt::PointingHandCursor);
}

platform::Panel* AddPanel(QWidget* parent, const QString& name, const QRect& place) {
  auto* p = new platform::Panel(parent);
  p->setObjectName(name);
  p->setGeometry(place);
  p->SetColor(kRowColumnColour);
  return p;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(left, top, width, 16);
  l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  l->setTextFormat(Qt::PlainText);
  return l;
}

QLabel* AddValue(QWidget* parent, const QString& name, int left, int top, int width, bool onWhite) {
  QLabel* l = AddLabel(parent, name, QString(), left, top, width);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  if (onWhite) {
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, platform::VclColor(kWhite));
    l->setPalette(pal);
  }
  return l;
}

// Room between a title's text and the value beside it.
constexpr int kTitleGap = 4;

// The width a column of titles takes: its width as designed, or what its
// widest text needs.
int TitleWidth(const std::vector<QLabel*>& titles, int designed) {
  int width = designed;
  for (const QLabel* t : titles)
    width = std::max(width, t->fontMetrics().horizontalAdvance(t->text()) + t->margin() * 2 + kTitleGap);
  return width;
}

// The parts the values sit on let clicks through to the panel or frame
// beneath, which takes them.
void LetClicksThrough(QWidget* w) { w->setAttribute(Qt::WA_TransparentForMouseEvents); }

QString Numbered(const char* stem, int n) { return QString::fromLatin1(stem) + QString::number(n); }

}  // namespace

void SetRowColumnColour(QWidget* column, std::uint32_t colour) {
  // Panel has no meta-object of its own: findChildren<Panel*> would match
  // every widget.
  for (QWidget* w : column->findChildren<QWidget*>())
    if (auto* p = dynamic_cast<platform::Panel*>(w)) p->SetColor(colour);
}

TFrameDatenEbenen::TFrameDatenEbenen(QWidget* parent) : QWidget(parent) {
  SetUpColumn(this, "FrameDatenEbenen", printdata::kColumnLayers);
  for (int i = 0; i < 5; ++i) {
    const std::size_t n = static_cast<std::size_t>(i);
    PanelEbene[n] = AddPanel(this, Numbered("PanelEbene", i + 1), QRect(0, 16 * i, printdata::kRowColumnWidth, 16));
    PanelEbene[n]->setCursor(Qt::PointingHandCursor);
    PanelEbeneInner[n] =
        AddPanel(PanelEbene[n], Numbered("PanelEbene", (i + 1) * 10 + 1), QRect(0, 0, printdata::kRowColumnWidth, 16));
    LetClicksThrough(PanelEbeneInner[n]);
    LabelTitelEbene[n] = AddLabel(PanelEbeneInner[n], Numbered("LabelTitelEbene", i + 1),
                                  QStringLiteral("Ebene %1:").arg(i + 1), 0, 0, 56);
    LabelEbene[n] =
        AddValue(PanelEbeneInner[n], Numbered("LabelEbene", i + 1), 56, 0, printdata::kRowColumnWidth - 56, false);
    LabelEbene[n]->setText(QStringLiteral("Kein"));
  }
}

void TFrameDatenEbenen::ShowTitles(const std::array<std::string, 5>& titles) {
  for (std::size_t n = 0; n < titles.size(); ++n)
    LabelTitelEbene[n]->setText(platform::ToQt(titles[n]) + QStringLiteral(":"));
  const int width = TitleWidth(std::vector<QLabel*>(LabelTitelEbene.begin(), LabelTitelEbene.end()), 56);
  for (std::size_t n = 0; n < titles.size(); ++n) {
    LabelTitelEbene[n]->resize(width, 16);
    LabelEbene[n]->setGeometry(width, 0, printdata::kRowColumnWidth - width, 16);
  }
}

TFrameDatenParameter::TFrameDatenParameter(QWidget* parent) : QWidget(parent) {
  SetUpColumn(this, "FrameDatenParameter", printdata::kColumnParameters);
  PanelParameter = AddPanel(this, QStringLiteral("PanelParameter"), rect());
  LetClicksThrough(PanelParameter);
  QWidget* p = PanelParameter;
  LabelTitelVorlauf = AddLabel(p, QStringLiteral("LabelTitelVorlauf"), QStringLiteral("Vorlauf:"), 0, 0, 56);
  LabelVorlauf = AddValue(p, QStringLiteral("LabelVorlauf"), 56, 0, 72, true);
  LabelTitelDrucklaenge =
      AddLabel(p, QStringLiteral("LabelTitelDrucklaenge"), QStringLiteral("Drucklänge:"), 136, 0, 80);
  LabelDrucklaenge = AddValue(p, QStringLiteral("LabelDrucklaenge"), 216, 0, 72, true);
  LabelTitelAnzahl = AddLabel(p, QStringLiteral("LabelTitelAnzahl"), QStringLiteral("Anzahl:"), 296, 0, 56);
  LabelAnzahl = AddValue(p, QStringLiteral("LabelAnzahl"), 352, 0, 64, true);
  LabelTitelNachlauf = AddLabel(p, QStringLiteral("LabelTitelNachlauf"), QStringLiteral("Nachlauf:"), 424, 0, 64);
  LabelNachlauf = AddValue(p, QStringLiteral("LabelNachlauf"), 488, 0, 72, true);
  LabelTitelLage = AddLabel(p, QStringLiteral("LabelTitelLage"), QStringLiteral("Lage:"), 136, 16, 80);
  LabelLage = AddValue(p, QStringLiteral("LabelLage"), 216, 16, 72, true);
  LabelTitelAbstand = AddLabel(p, QStringLiteral("LabelTitelAbstand"), QStringLiteral("Abstand:"), 296, 16, 56);
  LabelAbstand = AddValue(p, QStringLiteral("LabelAbstand"), 352, 16, 64, true);
  LabelTitelAnzahl2 = AddLabel(p, QStringLiteral("LabelTitelAnzahl2"), QStringLiteral("Anzahl:"), 136, 40, 80);
  LabelAnzahl2 = AddValue(p, QStringLiteral("LabelAnzahl2"), 216, 40, 72, true);
  LabelTitelAbstand2 = AddLabel(p, QStringLiteral("LabelTitelAbstand2"), QStringLiteral("Abstand:"), 296, 40, 56);
  LabelAbstand2 = AddValue(p, QStringLiteral("LabelAbstand2"), 352, 40, 64, true);
}

void TFrameDatenParameter::ShowValues(const editor::RowParameterTexts& t) {
  using platform::ToQt;
  LabelVorlauf->setText(ToQt(t.Vorlauf));
  LabelDrucklaenge->setText(ToQt(t.Drucklaenge));
  LabelAnzahl->setText(ToQt(t.Anzahl));
  LabelNachlauf->setText(ToQt(t.Nachlauf));
  LabelLage->setText(ToQt(t.Lage));
  LabelAbstand->setText(ToQt(t.Abstand));
  LabelAnzahl2->setText(ToQt(t.Anzahl2));
  LabelAbstand2->setText(ToQt(t.Abstand2));
  for (QWidget* w : {static_cast<QWidget*>(LabelTitelAbstand), static_cast<QWidget*>(LabelAbstand)})
    w->setVisible(t.ShowAbstand);
  for (QWidget* w : {LabelTitelAnzahl2, LabelAnzahl2, LabelTitelAbstand2, LabelAbstand2}) w->setVisible(t.ShowGroups);
}

void TFrameDatenParameter::ShowTitles(const std::array<std::string, 8>& titles) {
  // Every row shows the same titles: only a change lays the row out again.
  if (titles == shownTitles_) return;
  shownTitles_ = titles;
  const std::array<QLabel*, 8> labels = {LabelTitelVorlauf, LabelTitelDrucklaenge, LabelTitelLage,
                                         LabelTitelAnzahl,  LabelTitelAbstand,     LabelTitelAnzahl2,
                                         LabelTitelAbstand2, LabelTitelNachlauf};
  for (std::size_t i = 0; i < labels.size(); ++i) labels[i]->setText(platform::ToQt(titles[i]) + QStringLiteral(":"));
  // Four columns of titles and values, 8 px apart; with the German titles
  // the titles start at 0, 136, 296 and 424.
  struct Column {
    std::vector<QLabel*> titles, values;
    int designedTitle, valueWidth;
  };
  const Column columns[] = {
      {{LabelTitelVorlauf}, {LabelVorlauf}, 56, 72},
      {{LabelTitelDrucklaenge, LabelTitelLage, LabelTitelAnzahl2}, {LabelDrucklaenge, LabelLage, LabelAnzahl2}, 80, 72},
      {{LabelTitelAnzahl, LabelTitelAbstand, LabelTitelAbstand2}, {LabelAnzahl, LabelAbstand, LabelAbstand2}, 56, 64},
      {{LabelTitelNachlauf}, {LabelNachlauf}, 64, 72},
  };
  int x = 0;
  for (const Column& c : columns) {
    const int width = TitleWidth(c.titles, c.designedTitle);
    for (std::size_t i = 0; i < c.titles.size(); ++i) {
      c.titles[i]->setGeometry(x, c.titles[i]->y(), width, 16);
      c.values[i]->setGeometry(x + width, c.values[i]->y(), c.valueWidth, 16);
    }
    x += width + c.valueWidth + 8;
  }
}

TFrameDatenNotiz::TFrameDatenNotiz(QWidget* parent) : QWidget(parent) {
  SetUpColumn(this, "FrameDatenNotiz", printdata::kColumnNotes);
  PanelNotiz = AddPanel(this, QStringLiteral("PanelNotiz"), rect());
  LetClicksThrough(PanelNotiz);
  MemoNotiz = new QLabel(PanelNotiz);
  MemoNotiz->setObjectName(QStringLiteral("MemoNotiz"));
  MemoNotiz->setGeometry(PanelNotiz->rect());
  MemoNotiz->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  MemoNotiz->setWordWrap(true);
  MemoNotiz->setTextFormat(Qt::PlainText);
  MemoNotiz->setAutoFillBackground(true);
  QPalette pal = MemoNotiz->palette();
  pal.setColor(QPalette::Window, platform::VclColor(kWhite));
  MemoNotiz->setPalette(pal);
  QFont f = MemoNotiz->font();
  f.setItalic(true);
  MemoNotiz->setFont(f);
}

void TFrameDatenNotiz::ShowNote(const std::string& note) {
  QString text = platform::ToQt(note);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  MemoNotiz->setText(text);
}
