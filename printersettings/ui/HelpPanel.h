#pragma once
// The white help panel beside the start, selection and clock-source forms:
// wiring sketches stacked from the top, chosen by name ("ImageSP",
// "ImageSU141" ...; printersettings/HelpPictures.h says which). "ImageNO"
// is empty.
#include <QLabel>
#include <QSize>
#include <QString>
#include <vector>

#include "platform/qt/Panel.h"

namespace printersettings::ui {

class HelpPanel : public platform::Panel {
 public:
  // One picture slot per size, top to bottom, 8 pixels apart.
  HelpPanel(QWidget* parent, const QPoint& at, const std::vector<QSize>& sizes);

  void SetPicture(int slot, const std::string& name);
  // The name the slot shows.
  const std::string& Picture(int slot) const { return names_[static_cast<std::size_t>(slot)]; }
  QLabel* Slot(int slot) const { return labels_[static_cast<std::size_t>(slot)]; }

 private:
  std::vector<QLabel*> labels_;
  std::vector<std::string> names_;
};

// The sketch a picture holder of that name holds, drawn at `size`.
QPixmap WiringSketch(const std::string& name, const QSize& size);

}  // namespace printersettings::ui
