#pragma once
// A flat button as the program uses them: it fills the panel it lies on,
// draws only its caption (and a thin frame while the pointer is over it or
// it is pressed) and lets the panel's colour show through.
#include <QAbstractButton>
#include <cstdint>

#include "platform/Colours.h"

namespace platform {

class SpeedButton : public QAbstractButton {
 public:
  // Fills `parent` and follows its size.
  explicit SpeedButton(QWidget* parent);

  void SetCaption(const QString& caption);
  QString Caption() const { return text(); }
  void SetFontColor(std::uint32_t vclColor);
  std::uint32_t FontColor() const { return fontColor_; }
  void SetBold(bool bold);
  // How the caption sits in the button (Qt::Alignment and text flags);
  // centred and wrapped unless set.
  void SetTextFlags(int flags);
  // The colour the caption is drawn in now: its font colour, or
  // kDisabledText while the button cannot be clicked (switched off itself
  // or lying on a switched-off panel, as while a window is locked).
  std::uint32_t CaptionColour() const;
  // A button that keeps its own look while its panel is switched off: the
  // side button of the page shown, whose panel takes no clicks there but
  // which still names the page the operator is on.
  void KeepLookOnLockedPanel(bool keep) { keepLook_ = keep; }
  // Where the frame is drawn while the pointer is over the button or it is
  // pressed: the whole button, but for a caption set to one side (a value
  // row's "-" and "+" halves, which share their panel with its title and
  // value lines) only that side's end, so that it never crosses those lines.
  QRect FrameRect() const;

  int Tag = 0;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::uint32_t fontColor_ = colours::kNavy;
  bool hover_ = false;
  bool keepLook_ = false;
  int textFlags_ = Qt::AlignCenter | Qt::TextWordWrap;
};

// A click handler's first step: the button that sent the click (any widget;
// nothing for a call from code) shows its state now, before the work.
inline void RepaintSender(QObject* sender) {
  if (auto* w = qobject_cast<QWidget*>(sender)) w->repaint();
}

// Whether the widget itself is switched on, whatever its parents are: the
// enabled flag as the program's own logic reads and sets it. (Whether it
// takes clicks, and how it looks, is isEnabled(): a button on a disabled
// panel looks switched off too.)
inline bool OwnEnabled(const QWidget* w) { return !w->testAttribute(Qt::WA_ForceDisabled); }

class Panel;

// The program's usual button: a flat button filling a panel of its own.
struct ButtonPanel {
  Panel* panel;
  SpeedButton* button;
};
// A light grey panel at `geometry` in `parent` with a navy-captioned button.
ButtonPanel AddButtonPanel(QWidget* parent, const QRect& geometry, const QString& caption);
// The same, handing both to the members that keep them.
void AddButtonPanel(QWidget* parent, const QRect& geometry, const QString& caption, Panel*& panel,
                    SpeedButton*& button);

}  // namespace platform
