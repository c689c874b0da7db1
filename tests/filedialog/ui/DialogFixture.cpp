#include "DialogFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>

#include "filedialog/ui/ShellListModel.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/qt/Hardcopy.h"

namespace fdtest {

void DialogFixture::SetUp() {
  dialog_ = new TForm_FileDialog(nullptr, env_);
  platform::SetHardcopyAction([this](QWidget*) { ++hardcopies_; });
  FileDialogServices& s = dialog_->Services;
  s.MainWindowFrame = [] { return QRect(100, 100, 1000, 700); };
  s.UserGuide = [this] { ++userGuides_; };
  s.ShowError = [this](QWidget*, const QString& title, const QString& text) { errors_.push_back(title + ": " + text); };
  s.Confirm = [this](QWidget*, const QString&) {
    if (confirmAnswers_.empty()) return false;
    const bool a = confirmAnswers_.front();
    confirmAnswers_.pop_front();
    return a;
  };
  s.AskText = [this](QWidget*, const QString&, const QString&, const QString&) -> std::optional<QString> {
    std::optional<QString> answer;
    if (!textAnswers_.empty()) {
      answer = textAnswers_.front();
      textAnswers_.pop_front();
    }
    return answer;
  };
  s.PickFolder = [this](QWidget*, const std::string& root) -> std::optional<std::string> {
    pickerRoots_.push_back(root);
    std::optional<std::string> folder;
    if (!pickedFolders_.empty()) {
      folder = pickedFolders_.front();
      pickedFolders_.pop_front();
    }
    return folder;
  };
}

void DialogFixture::TearDown() {
  platform::SetHardcopyAction({});
  delete dialog_;
  dialog_ = nullptr;
}

void WhenModal(std::function<void()> step) {
  QTimer::singleShot(0, [step = std::move(step)] {
    if (QApplication::activeModalWidget())
      step();
    else
      WhenModal(step);
  });
}

int DialogFixture::RunModal(const std::function<void()>& step) {
  WhenModal([this, step] {
    step();
    if (dialog_->isVisible()) dialog_->done(99);
  });
  return dialog_->ShowModal();
}

std::vector<std::string> DialogFixture::Captions() const {
  std::vector<std::string> out;
  for (const auto& item : dialog_->Listing.Items()) out.push_back(item.caption);
  return out;
}

void DialogFixture::Select(const std::string& caption) {
  QAbstractItemView* view = dialog_->lstvwVirtualList->ActiveView();
  for (int row = 0; row < dialog_->Listing.Count(); ++row) {
    if (dialog_->Listing.ItemAt(row)->caption != caption) continue;
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &release);
    ASSERT_EQ(dialog_->lstvwVirtualList->SelectedRow(), row) << caption;
    return;
  }
  FAIL() << "no row " << caption;
}

void DialogFixture::Key(int key, Qt::KeyboardModifiers mods) {
  QAbstractItemView* view = dialog_->lstvwVirtualList->ActiveView();
  QKeyEvent press(QEvent::KeyPress, key, mods, key >= Qt::Key_A && key <= Qt::Key_Z && mods == Qt::NoModifier
                                                   ? QString(QChar(key)).toLower()
                                                   : QString());
  QApplication::sendEvent(view, &press);
}

void DialogFixture::DoubleClickSelected() {
  QAbstractItemView* view = dialog_->lstvwVirtualList->ActiveView();
  const int row = dialog_->lstvwVirtualList->SelectedRow();
  const QPoint at = row >= 0 ? view->visualRect(view->model()->index(row, 0)).center() : QPoint(1, 1);
  QMouseEvent dbl(QEvent::MouseButtonDblClick, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &dbl);
}

QString DialogFixture::NameField() const { return dialog_->Edit_FileName->text(); }

}  // namespace fdtest
