#include "filedialog/ui/VirtualListView.h"

#include <QApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QTableView>
#include <QWheelEvent>
#include <algorithm>

#include "filedialog/ui/ShellListModel.h"
#include "platform/qt/Colour.h"

namespace {

constexpr int kColumnWidths[5] = {318, 100, 210, 140, 70};

// The views send typed letters to the dialog's find instead of searching
// through every row themselves.
template <class View>
class SearchingView : public View {
 public:
  SearchingView(QWidget* parent, std::function<void(const QString&)> search) : View(parent), search_(std::move(search)) {}
  void keyboardSearch(const QString& text) override { search_(text); }

 private:
  std::function<void(const QString&)> search_;
};

}  // namespace

VirtualListView::VirtualListView(QWidget* parent, ShellListModel* model) : QWidget(parent), model_(model) {
  auto search = [this](const QString& text) { TypeSearch(text); };
  list_ = new SearchingView<QListView>(this, search);
  list_->setObjectName(QStringLiteral("lstvwVirtualListItems"));
  list_->setModel(model_);
  list_->setUniformItemSizes(true);
  list_->setResizeMode(QListView::Adjust);
  list_->setWrapping(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setTextElideMode(Qt::ElideRight);
  list_->setMouseTracking(true);

  report_ = new SearchingView<QTableView>(this, search);
  report_->setObjectName(QStringLiteral("lstvwVirtualListDetails"));
  report_->setModel(model_);
  report_->setSelectionModel(list_->selectionModel());
  report_->setSelectionBehavior(QAbstractItemView::SelectRows);
  report_->setSelectionMode(QAbstractItemView::SingleSelection);
  report_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  report_->setShowGrid(true);
  report_->setWordWrap(false);
  report_->setTabKeyNavigation(false);
  report_->verticalHeader()->hide();
  report_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  report_->verticalHeader()->setDefaultSectionSize(report_->fontMetrics().height() + 6);
  report_->horizontalHeader()->setMinimumSectionSize(50);
  report_->horizontalHeader()->setHighlightSections(false);
  report_->horizontalHeader()->setSectionsClickable(false);
  report_->setMouseTracking(true);
  for (int c = 0; c < 5; ++c) report_->setColumnWidth(c, kColumnWidths[c]);

  selection_ = list_->selectionModel();
  connect(selection_, &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection&, const QItemSelection& deselected) {
            SelectionChanged(deselected.isEmpty() ? -1 : deselected.indexes().first().row());
          });

  for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(list_), static_cast<QAbstractItemView*>(report_)}) {
    v->installEventFilter(this);
    v->viewport()->installEventFilter(this);
    // A hand over the items, as over links.
    v->viewport()->setCursor(Qt::PointingHandCursor);
  }
  SetViewStyle(vsList);
}

void VirtualListView::SetViewStyle(Style style) {
  style_ = style;
  const bool report = style == vsReport;
  if (style == vsIcon) {
    list_->setViewMode(QListView::IconMode);
    list_->setFlow(QListView::LeftToRight);
    list_->setIconSize(QSize(32, 32));
    list_->setWordWrap(true);
    list_->setMovement(QListView::Static);
    list_->setGridSize(QSize(96, 74));
  } else if (style == vsList) {
    list_->setViewMode(QListView::ListMode);
    list_->setFlow(QListView::TopToBottom);
    list_->setIconSize(QSize(16, 16));
    list_->setWordWrap(false);
    ApplyListGrid();
  }
  list_->setWrapping(true);
  list_->setVisible(!report);
  report_->setVisible(report);
  setFocusProxy(ActiveView());
  const int row = SelectedRow();
  if (row >= 0) ActiveView()->scrollTo(model_->index(row, 0));
}

void VirtualListView::ApplyListGrid() {
  if (style_ != vsList) return;
  // The column width of the list style: the widest caption (with a bound),
  // measured without asking for any row's details.
  const QFontMetrics fm(list_->font());
  int widest = 60;
  for (int row = 0; row < model_->rowCount(); ++row)
    widest = std::max(widest, fm.horizontalAdvance(model_->CellText(row, 0)));
  widest = std::min(widest, 380);
  list_->setGridSize(QSize(widest + 16 + 16, std::max(fm.height(), 16) + 4));
}

void VirtualListView::ListingChanged() { ApplyListGrid(); }

void VirtualListView::SetColumnWidth(int column, int width) { report_->setColumnWidth(column, std::max(width, 50)); }
int VirtualListView::ColumnWidth(int column) const { return report_->columnWidth(column); }

void VirtualListView::SetColor(std::uint32_t vclColor) {
  color_ = vclColor;
  for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(list_), static_cast<QAbstractItemView*>(report_)}) {
    QPalette pal = v->palette();
    pal.setColor(QPalette::Base, platform::VclColor(vclColor));
    // The selection stays visible when the list loses the focus.
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    v->setPalette(pal);
    v->viewport()->update();
  }
}

QAbstractItemView* VirtualListView::ActiveView() const {
  return style_ == vsReport ? static_cast<QAbstractItemView*>(report_) : static_cast<QAbstractItemView*>(list_);
}

bool VirtualListView::HasListFocus() const {
  QWidget* focus = QApplication::focusWidget();
  return focus && (focus == list_ || focus == report_ || list_->isAncestorOf(focus) || report_->isAncestorOf(focus));
}

int VirtualListView::RowCount() const { return model_->rowCount(); }

int VirtualListView::SelectedRow() const {
  const QModelIndexList rows = selection_->selectedIndexes();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void VirtualListView::SelectRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  const QModelIndex index = model_->index(row, 0);
  selection_->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ActiveView()->scrollTo(index);
}

void VirtualListView::ClearSelection() {
  const QSignalBlocker block(selection_);
  selection_->clear();
  list_->viewport()->update();
  report_->viewport()->update();
}

void VirtualListView::SelectionChanged(int oldRow) {
  if (!OnSelectItem) return;
  const int row = SelectedRow();
  if (row >= 0)
    OnSelectItem(row, true);
  else if (oldRow >= 0)
    OnSelectItem(oldRow, false);
}

void VirtualListView::TypeSearch(const QString& text) {
  if (!OnFind || text.isEmpty()) return;
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (now - lastTyped_ > QApplication::keyboardInputInterval()) typed_.clear();
  lastTyped_ = now;
  typed_ += text;
  const QModelIndex current = selection_->currentIndex();
  const int start = current.isValid() ? current.row() : 0;
  const int row = OnFind(typed_, start, true);
  if (row >= 0) SelectRow(row);
}

bool VirtualListView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      if (watched != list_ && watched != report_) break;
      auto* key = static_cast<QKeyEvent*>(event);
      if (OnKeyDown && OnKeyDown(key->key(), key->modifiers())) return true;
      break;
    }
    case QEvent::MouseButtonDblClick:
      if (watched == list_->viewport() || watched == report_->viewport()) {
        // The row under the pointer is selected by the press before.
        if (OnDblClick) OnDblClick();
        return true;
      }
      break;
    case QEvent::MouseButtonPress:
      if (watched == list_->viewport() || watched == report_->viewport()) {
        auto* view = watched == list_->viewport() ? static_cast<QAbstractItemView*>(list_)
                                                  : static_cast<QAbstractItemView*>(report_);
        // A click beside every item removes the selection.
        if (!view->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid()) {
          view->setFocus();
          selection_->clearSelection();
          return true;
        }
      }
      break;
    case QEvent::Wheel:
      if (watched == list_->viewport() || watched == report_->viewport()) {
        if (OnWheel) OnWheel(static_cast<QWheelEvent*>(event)->angleDelta().y() > 0);
        return true;
      }
      break;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

void VirtualListView::resizeEvent(QResizeEvent*) {
  list_->setGeometry(rect());
  report_->setGeometry(rect());
}
