#pragma once
// The rows of the printer's read-only windows (diagnosis, communication):
// a section title, and rows of a title with the printer's value in a lit
// panel beside it.
#include <QLabel>
#include <QRect>
#include <QString>

#include "platform/qt/Panel.h"

namespace printersettings::ui {

inline constexpr int kInfoTitleWidth = 160;
inline constexpr int kInfoValueWidth = 220;
inline constexpr int kInfoRowHeight = 22;
inline constexpr int kInfoRowStep = 26;
inline constexpr int kInfoSectionStep = 24;  // from a section title to its first row
// A column of rows: title, gap, value.
inline constexpr int kInfoColumnWidth = kInfoTitleWidth + 8 + kInfoValueWidth;

// A section title (navy, bold) at `left`, `top`, as wide as a column.
QLabel* AddSectionTitle(QWidget* parent, int left, int top, const QString& text);

// A row's title at `left`, `top` (for a row whose value is no plain panel).
QLabel* AddInfoTitle(QWidget* parent, int left, int top, const QString& title);
// Where a row's value lies.
inline QRect InfoValueRect(int left, int top, int height = kInfoRowHeight) {
  return QRect(left + kInfoTitleWidth + 8, top, kInfoValueWidth, height);
}

struct InfoRow {
  QLabel* title;
  platform::Panel* panel;  // lit (11439276)
  QLabel* value;           // "?" until the printer thread writes it
};
// A row at `left`, `top`: the title, then the value panel.
InfoRow AddInfoRow(QWidget* parent, int left, int top, const QString& title);

// Sections and rows laid out down a column from its top.
struct InfoColumn {
  QWidget* parent;
  int left;
  int top = 8;

  void Section(QLabel*& title, const QString& text);
  void Row(QLabel*& title, QLabel*& value, const QString& text);
  void Row(QLabel*& title, platform::Panel*& panel, QLabel*& value, const QString& text);
  // The space between sections.
  void Gap() { top += 6; }
};

}  // namespace printersettings::ui
