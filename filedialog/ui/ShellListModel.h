#pragma once
// The listing as the list view sees it: one row per listed item, five
// columns (name, size, type, modified, attributes). The view asks only for
// rows it shows, and an item's details are fetched the first time one of
// its rows is asked for, so a large folder costs one file-system query per
// visible row.
#include <QAbstractTableModel>
#include <QIcon>
#include <array>
#include <cstdint>

#include "filedialog/FolderListing.h"

class ShellListModel : public QAbstractTableModel {
 public:
  ShellListModel(filedialog::FolderListing& listing, std::array<QString, 5>& captions, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // A column's caption, as the language file gives it.
  bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;

  // The listing changed as a whole.
  void Reset();
  // Icons for the icon style (large) or the others (small).
  void SetLargeIcons(bool large);

  // The texts of a row's columns, as the details view shows them.
  QString CellText(int row, int column) const;
  static QString AttributeText(std::uint32_t attributes);

 private:
  filedialog::FolderListing& listing_;
  std::array<QString, 5>& captions_;
  std::array<QIcon, 5> icons_;
  bool large_ = false;
};
