#pragma once
// Lines of text as the info and quick-help windows show them: on the
// background colour, no border, no scrolling, nothing to edit. A line
// follows every font height + 2 pixels, the step of Courier New for which
// the windows' heights are made (a 16-pixel font, 24 lines in 432 pixels),
// whatever face stands in for it here.
#include <QStringList>
#include <QWidget>
#include <cstdint>

namespace app {

class MemoView : public QWidget {
  Q_OBJECT

 public:
  MemoView(QWidget* parent, const QFont& font, std::uint32_t textColour, std::uint32_t background);

  void SetLines(const QStringList& lines);
  const QStringList& Lines() const { return lines_; }
  // Pixels from one line to the next.
  int LineStep() const;
  // The room the lines take.
  QSize TextSize() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList lines_;
  std::uint32_t textColour_;
  std::uint32_t background_;
};

}  // namespace app
