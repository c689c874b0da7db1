#include "editor/ui/TFrameBearbeitenText.h"

#include <QEvent>
#include <algorithm>

#include "editor/ui/PaneLook.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "platform/qt/Colour.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/TextCodec.h"

TFrameBearbeitenText::TFrameBearbeitenText(TFrameBearbeiten* editor, QWidget* parent)
    : PositionFontPane(editor, parent, QStringLiteral("FrameBearbeitenText")) {
  PanelText = editor::ui::AddPaneRow(this, QStringLiteral("PanelText"), QStringLiteral("LabelTextTitel"),
                                     QStringLiteral("Text"), &LabelTextTitel);
  PanelEingabe = new platform::Panel(PanelText);
  PanelEingabe->setObjectName(QStringLiteral("PanelEingabe"));
  PanelEingabe->SetColor(editor::ui::kValuePanel);
  EditEingabe = new QLineEdit(PanelEingabe);
  EditEingabe->setObjectName(QStringLiteral("EditEingabe"));
  EditEingabe->setMaxLength(100);
  EditEingabe->setFont(platform::VerdanaPx(15, true));
  EditEingabe->setFrame(false);
  QPalette pal = EditEingabe->palette();
  pal.setColor(QPalette::Base, platform::VclColor(editor::ui::kValuePanel));
  pal.setColor(QPalette::Text, platform::VclColor(editor::ui::kNavy));
  EditEingabe->setPalette(pal);
  // An empty context menu: right-clicking the input offers nothing.
  PopupMenuLeer = new QMenu(this);
  PopupMenuLeer->setObjectName(QStringLiteral("PopupMenuLeer"));
  EditEingabe->setContextMenuPolicy(Qt::NoContextMenu);
  EditEingabe->installEventFilter(this);
  connect(EditEingabe, &QLineEdit::textChanged, this, [this] { EditEingabeChange(); });
}

void TFrameBearbeitenText::LayoutThirdRow(int cw) {
  PanelText->setGeometry(0, 2 * editor::ui::kRowHeight, width(), editor::ui::kRowHeight);
  PanelEingabe->setGeometry(8, editor::ui::kControlTop, std::clamp(width() - 16, 100, 728), editor::ui::kControlHeight);
  EditEingabe->setGeometry(8, 8, PanelEingabe->width() - 16, PanelEingabe->height() - 16);
}

bool TFrameBearbeitenText::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EditEingabe && event->type() == QEvent::MouseButtonPress) EditEingabeMouseDown();
  return false;
}

void TFrameBearbeitenText::EditEingabeMouseDown() { HideMenus(); }

std::string TFrameBearbeitenText::AlignedText() const { return platform::FromQt(EditEingabe->text()); }

void TFrameBearbeitenText::EditEingabeChange() {
  if (Loading()) return;
  const int n = editor_->CurrentLayer;
  if (n < 0 || n >= printdata::kLayerCount) return;
  printdata::LayerObject& layer = editor_->WorkText.Layers[static_cast<std::size_t>(n)];
  layer.Text = platform::FromQt(EditEingabe->text());
  StorePositionAndFont(layer);
  editor_->RenderLayer(static_cast<unsigned>(n), editor::ui::kLayerRed);
}
