#pragma once
// A coloured surface with an optional centred caption and bevels: what the
// program's buttons, labels and pages sit on. Colours are system colour
// numbers (0x00BBGGRR).
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "platform/Colours.h"

class QPainter;

namespace platform {

enum class BevelKind { None, Raised, Lowered };

// A one-pixel bevel on the edges of `r`: white top and left with grey bottom
// and right when raised, the other way round when lowered.
void DrawBevel(QPainter& p, const QRect& r, BevelKind kind);

class Panel : public QWidget {
 public:
  explicit Panel(QWidget* parent = nullptr);

  void SetColor(std::uint32_t vclColor);
  std::uint32_t Color() const { return color_; }
  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }
  void SetFontColor(std::uint32_t vclColor);
  // The colour the caption is drawn in now: its font colour, or
  // kDisabledText while the panel cannot be used.
  std::uint32_t CaptionColour() const;
  void SetBevels(BevelKind outer, BevelKind inner);
  // A lowered line along the top or bottom edge, as separators between bars.
  void SetTopLine(bool on);
  void SetBottomLine(bool on);
  // The hint is kept whether or not it is shown; ShowHint decides.
  void SetHint(const QString& hint);
  const QString& Hint() const { return hint_; }
  void SetShowHint(bool on);
  bool ShowHint() const { return showHint_; }

  int Tag = 0;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t color_ = colours::kLightGrey;
  std::uint32_t fontColor_ = colours::kBlack;
  QString caption_;
  BevelKind outer_ = BevelKind::None;
  BevelKind inner_ = BevelKind::None;
  bool topLine_ = false;
  bool bottomLine_ = false;
  QString hint_;
  bool showHint_ = false;
};

// The button row at the bottom of a dialog: silver, a line along its top.
Panel* AddButtonRow(QWidget* dialog, const QRect& geometry);

// The title bar of a page: silver, a navy caption in 19 px, a line below.
Panel* AddTitleBar(QWidget* page, const QString& caption);

}  // namespace platform
