#include "filedialog/FolderListing.h"

#include <algorithm>

namespace filedialog {
using platform::Status;

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool BeginsWithFolded(const std::string& caption, std::string_view text) {
  if (text.size() > caption.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (FoldAscii(caption[i]) != FoldAscii(text[i])) return false;
  return true;
}

}  // namespace

std::string ItemCaption(const ShellNamespace& shell, const ItemIdList& folder, const ItemId& item) {
  const std::string display = shell.DisplayName(AppendItemIdList(folder, {item}));
  if (item.kind != ItemKind::Entry) return display;
  return WithoutExtension(display) + LowerExtensionOf(item.name);
}

FolderListing::FolderListing(const ShellNamespace& shell) : shell_(shell) {
  current_ = {{ItemKind::Computer, {}, true}};
  currentPath_ = shell_.ParsingName(current_);
}

std::string FolderListing::PathFieldText() const {
  if (currentPath_.compare(0, 3, "::{") == 0) return shell_.DisplayName(current_);
  return currentPath_;
}

Status FolderListing::OpenFolder(const ItemIdList& folder) {
  if (!folder.empty() && !folder.back().IsFolder()) return Status::Fail("\"" + shell_.ParsingName(folder) + "\" is not a folder");
  auto found = shell_.Enumerate(folder, filter.enumFlags);
  if (!found) return found.status();

  std::vector<ShellItem> items;
  for (ItemId& id : *found) {
    if (!id.IsFolder() && !filter.ListsFile(LowerExtensionOf(id.name))) continue;
    ShellItem item;
    item.caption = ItemCaption(shell_, folder, id);
    item.id = std::move(id);
    items.push_back(std::move(item));
  }
  std::stable_sort(items.begin(), items.end(),
                   [this](const ShellItem& a, const ShellItem& b) { return shell_.Compare(a.id, b.id) < 0; });
  current_ = folder;
  currentPath_ = shell_.ParsingName(current_);
  items_ = std::move(items);
  return Status::Ok();
}

Status FolderListing::OpenPath(const std::string& path) {
  auto list = shell_.Parse(path);
  if (!list) return list.status();
  return OpenFolder(*list);
}

ShellItem* FolderListing::ItemAt(int row) {
  return row >= 0 && row < Count() ? &items_[static_cast<std::size_t>(row)] : nullptr;
}

const ShellItem* FolderListing::ItemAt(int row) const {
  return row >= 0 && row < Count() ? &items_[static_cast<std::size_t>(row)] : nullptr;
}

ItemIdList FolderListing::AbsoluteList(int row) const {
  const ShellItem* item = ItemAt(row);
  return item ? AppendItemIdList(current_, {item->id}) : current_;
}

void FolderListing::FetchDetails(int start, int end) {
  if (start < 0 || end < start || start >= Count() || end >= Count()) return;
  for (int row = start; row <= end; ++row) {
    ShellItem& item = items_[static_cast<std::size_t>(row)];
    if (!item.detailsPending) continue;
    const ItemDetails d = shell_.Details(AbsoluteList(row));
    item.iconIndex = d.iconIndex;
    item.typeName = d.typeName;
    item.modified = d.modified;
    item.size = d.size;
    item.attributes = d.attributes;
    item.detailsPending = false;
  }
}

int FolderListing::Find(std::string_view text, int start, bool wrap) const {
  if (text.empty() || items_.empty()) return -1;
  if (start < 0 || start >= Count()) start = 0;
  int row = start;
  for (int tested = 0; tested < Count(); ++tested) {
    if (BeginsWithFolded(items_[static_cast<std::size_t>(row)].caption, text)) return row;
    ++row;
    if (row >= Count()) {
      if (!wrap || start == 0) return -1;
      row = 0;
    }
  }
  return -1;
}

int FolderListing::RowNamed(const std::string& name) const {
  for (int row = 0; row < Count(); ++row)
    if (items_[static_cast<std::size_t>(row)].RealName() == name) return row;
  for (int row = 0; row < Count(); ++row)
    if (items_[static_cast<std::size_t>(row)].caption == name) return row;
  return -1;
}

}  // namespace filedialog
