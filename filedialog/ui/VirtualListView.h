#pragma once
// The dialog's one list of the folder's items, shown in three styles:
// large icons, a list of small icons flowing in columns, and details with
// five columns and grid lines. The rows come from ShellListModel; the
// selection is one row, kept visible when the list loses the focus. Typed
// letters find a row through OnFind; keys, double-clicks and the mouse
// wheel go to the dialog's handlers.
#include <QWidget>
#include <cstdint>
#include <functional>

class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QTableView;
class ShellListModel;

class VirtualListView : public QWidget {
 public:
  enum Style { vsIcon, vsList, vsReport };

  VirtualListView(QWidget* parent, ShellListModel* model);

  void SetViewStyle(Style style);
  Style ViewStyle() const { return style_; }
  // The background, a colour number (cream normally, yellow while busy).
  void SetColor(std::uint32_t vclColor);
  std::uint32_t Color() const { return color_; }

  int RowCount() const;
  // The selected row, -1 for none.
  int SelectedRow() const;
  // Selects the row, makes it the focused row and scrolls it into view.
  void SelectRow(int row);
  // Removes the selection and the focused row.
  void ClearSelection();
  // Widths of the details columns, after the listing changed.
  void ListingChanged();
  void SetColumnWidth(int column, int width);
  int ColumnWidth(int column) const;

  // The view of the present style, which holds the keyboard focus.
  QAbstractItemView* ActiveView() const;
  QListView* ListView() const { return list_; }
  QTableView* ReportView() const { return report_; }
  // True when the keyboard focus is in the list.
  bool HasListFocus() const;

  std::function<void(int row, bool selected)> OnSelectItem;
  std::function<void()> OnDblClick;
  // True when the key was handled.
  std::function<bool(int key, Qt::KeyboardModifiers modifiers)> OnKeyDown;
  std::function<void(bool up)> OnWheel;
  // The row whose caption begins with the text, from `start`.
  std::function<int(const QString& text, int start, bool wrap)> OnFind;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SelectionChanged(int oldRow);
  void TypeSearch(const QString& text);
  void ApplyListGrid();

  ShellListModel* model_;
  QItemSelectionModel* selection_;
  QListView* list_;
  QTableView* report_;
  Style style_ = vsList;
  std::uint32_t color_ = 0;
  QString typed_;
  qint64 lastTyped_ = 0;
};
