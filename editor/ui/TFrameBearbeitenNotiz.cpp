#include "editor/ui/TFrameBearbeitenNotiz.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

#include "editor/ui/PaneLook.h"
#include "editor/ui/StepControl.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "platform/qt/Colour.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/TextCodec.h"

TFrameBearbeitenNotiz::TFrameBearbeitenNotiz(TFrameBearbeiten* editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("FrameBearbeitenNotiz"));
  setFont(platform::VerdanaPx(11));
  PanelNotiz = editor::ui::AddPaneRow(this, QStringLiteral("PanelNotiz"), QStringLiteral("LabelNotizTitel"),
                                      QStringLiteral("Notiz"), &LabelNotizTitel);
  PanelEingabe = new platform::Panel(PanelNotiz);
  PanelEingabe->setObjectName(QStringLiteral("PanelEingabe"));
  MemoNotiz = new QPlainTextEdit(PanelEingabe);
  MemoNotiz->setObjectName(QStringLiteral("MemoNotiz"));
  MemoNotiz->setFrameShape(QFrame::NoFrame);
  QFont f = platform::VerdanaPx(15);
  f.setItalic(true);
  MemoNotiz->setFont(f);
  // Tabs are text; the Tab key does not leave the memo for another control
  // either, as the memo is the pane's only input.
  MemoNotiz->setTabChangesFocus(false);
  MemoNotiz->setContextMenuPolicy(Qt::NoContextMenu);
  PopupMenuLeer = new QMenu(this);
  PopupMenuLeer->setObjectName(QStringLiteral("PopupMenuLeer"));
  MemoNotiz->viewport()->installEventFilter(this);
  MemoNotiz->installEventFilter(this);
  connect(MemoNotiz, &QPlainTextEdit::textChanged, this, [this] { MemoNotizChange(); });
  ShowProtected(0);
  hide();
}

void TFrameBearbeitenNotiz::resizeEvent(QResizeEvent*) {
  PanelNotiz->setGeometry(rect());
  PanelEingabe->setGeometry(8, 19, std::max(width() - 16, 50), std::max(height() - 27, 30));
  MemoNotiz->setGeometry(PanelEingabe->rect().adjusted(6, 6, -6, -6));
}

bool TFrameBearbeitenNotiz::Locked() const {
  editor::ui::EditorHost* host = editor_->Host();
  editor::ui::EditorDataView* data = editor_->DataView();
  return host && host->OperatingMode() == 0 && data && data->NotesProtected();
}

void TFrameBearbeitenNotiz::ShowProtected(int flag) {
  const std::uint32_t colour = flag == 1 ? editor::ui::kLocked : editor::ui::kValuePanel;
  PanelEingabe->SetColor(colour);
  QPalette pal = MemoNotiz->palette();
  pal.setColor(QPalette::Base, platform::VclColor(colour));
  pal.setColor(QPalette::Text, platform::VclColor(editor::ui::kNavy));
  MemoNotiz->setPalette(pal);
  // Protected notes take no typing, pasting or deleting.
  MemoNotiz->setReadOnly(flag == 1);
}

bool TFrameBearbeitenNotiz::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched == MemoNotiz->viewport()) MemoNotizMouseDown();
  // In the locked state no key changes the note, whatever the memo allows.
  if (event->type() == QEvent::KeyPress && watched == MemoNotiz && Locked()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool navigation = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Up ||
                            key->key() == Qt::Key_Down || key->key() == Qt::Key_Home || key->key() == Qt::Key_End ||
                            key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown ||
                            key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll);
    return !navigation;
  }
  return false;
}

void TFrameBearbeitenNotiz::MemoNotizMouseDown() {
  if (editor_->Host()) editor_->Host()->HideMenuFrames();
  if (!Locked()) return;
  QCoreApplication::processEvents();
  editor_->Host()->ShowProtectionNotice(LabelNotizTitel->text());
}

void TFrameBearbeitenNotiz::MemoNotizChange() {
  if (editor_->Host()) editor_->Host()->HideMenuFrames();
  if (editor_->Loading) return;
  if (Locked()) {
    // Should the memo change anyway, the note stays as it was.
    const QSignalBlocker block(MemoNotiz);
    SetNoteText(editor_->WorkText.Note);
    return;
  }
  editor_->WorkText.Note = NoteText();
}

std::string TFrameBearbeitenNotiz::NoteText() const {
  QString text = MemoNotiz->toPlainText();
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return platform::FromQt(text);
}

void TFrameBearbeitenNotiz::SetNoteText(const std::string& note) {
  QString text = platform::ToQt(note);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  MemoNotiz->setPlainText(text);
  MemoNotiz->verticalScrollBar()->setValue(0);
  MemoNotiz->moveCursor(QTextCursor::Start);
}
