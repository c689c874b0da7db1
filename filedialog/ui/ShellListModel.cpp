#include "filedialog/ui/ShellListModel.h"

#include <QApplication>
#include <QColor>
#include <QStyle>

#include "filedialog/ShellNamespace.h"
#include "filedialog/ui/NameText.h"
#include "platform/qt/Colour.h"

using filedialogui::ToQtName;

namespace {
constexpr std::uint32_t kGreyName = 0xC0C0C0;
}

ShellListModel::ShellListModel(filedialog::FolderListing& listing, std::array<QString, 5>& captions,
                               QObject* parent)
    : QAbstractTableModel(parent), listing_(listing), captions_(captions) {
  QStyle* style = QApplication::style();
  icons_[filedialog::kIconFolder] = style->standardIcon(QStyle::SP_DirIcon);
  icons_[filedialog::kIconFile] = style->standardIcon(QStyle::SP_FileIcon);
  icons_[filedialog::kIconVolume] = style->standardIcon(QStyle::SP_DriveHDIcon);
  icons_[filedialog::kIconComputer] = style->standardIcon(QStyle::SP_ComputerIcon);
  icons_[filedialog::kIconNetwork] = style->standardIcon(QStyle::SP_DriveNetIcon);
}

int ShellListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : listing_.Count(); }
int ShellListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 5; }

void ShellListModel::Reset() {
  beginResetModel();
  endResetModel();
}

void ShellListModel::SetLargeIcons(bool large) {
  if (large_ == large) return;
  large_ = large;
  if (listing_.Count() > 0) emit dataChanged(index(0, 0), index(listing_.Count() - 1, 0), {Qt::DecorationRole});
}

QString ShellListModel::AttributeText(std::uint32_t a) {
  QString s;
  if (a & filedialog::kAttrReadOnly) s += QLatin1Char('R');
  if (a & filedialog::kAttrHidden) s += QLatin1Char('H');
  if (a & filedialog::kAttrSystem) s += QLatin1Char('S');
  if (a & filedialog::kAttrArchive) s += QLatin1Char('A');
  return s;
}

QString ShellListModel::CellText(int row, int column) const {
  const filedialog::ShellItem* item = listing_.ItemAt(row);
  if (!item) return {};
  if (column == 0) return ToQtName(item->caption);
  // Details only for rows that are being shown.
  listing_.FetchDetails(row, row);
  switch (column) {
    case 1: return item->IsFolder() ? QString() : QString::number(item->size);
    case 2: return ToQtName(item->typeName);
    case 3: return QString::fromUtf8(item->modified.c_str());
    case 4: return AttributeText(item->attributes);
    default: return {};
  }
}

QVariant ShellListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= listing_.Count()) return {};
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      if (role == Qt::ToolTipRole && index.column() != 0) return {};
      return CellText(row, index.column());
    case Qt::DecorationRole: {
      if (index.column() != 0) return {};
      listing_.FetchDetails(row, row);
      const int i = listing_.ItemAt(row)->iconIndex;
      return icons_[static_cast<std::size_t>(i >= 0 && i < 5 ? i : filedialog::kIconFile)];
    }
    case Qt::ForegroundRole: {
      if (index.column() != 0) return {};
      listing_.FetchDetails(row, row);
      const std::uint32_t a = listing_.ItemAt(row)->attributes;
      const bool grey = (a & (filedialog::kAttrReadOnly | filedialog::kAttrHidden | filedialog::kAttrSystem)) != 0;
      return QColor(grey ? platform::VclColor(kGreyName) : QColor(Qt::black));
    }
    case Qt::SizeHintRole:
      // Icons sit in cells of one size, with room for two lines of caption;
      // the size is known without the row's details.
      if (large_ && index.column() == 0) return QSize(90, 68);
      return {};
    case Qt::TextAlignmentRole:
      if (large_ && index.column() == 0) return int(Qt::AlignHCenter | Qt::AlignTop);
      if (index.column() == 1 || index.column() == 4) return int(Qt::AlignRight | Qt::AlignVCenter);
      return int(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
  }
}

QVariant ShellListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= 5) return {};
  if (role == Qt::DisplayRole) return captions_[static_cast<std::size_t>(section)];
  if (role == Qt::TextAlignmentRole)
    return int((section == 1 || section == 4 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  return {};
}

bool ShellListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) {
  if (orientation != Qt::Horizontal || section < 0 || section >= 5) return false;
  if (role != Qt::EditRole && role != Qt::DisplayRole) return false;
  captions_[static_cast<std::size_t>(section)] = value.toString();
  emit headerDataChanged(orientation, section, section);
  return true;
}
