#pragma once
// The text pane (FrameBearbeitenText): the shared position and font rows and
// the text itself. Its store is the input's change handler: every change of
// the input, typed or set by the editor, writes the pane into the current
// layer unless the editor is loading.
#include <QLineEdit>
#include <QMenu>

#include "editor/ui/PositionFontPane.h"

class TFrameBearbeitenText : public PositionFontPane {
 public:
  TFrameBearbeitenText(TFrameBearbeiten* editor, QWidget* parent);

  platform::Panel* PanelText;
  platform::Label* LabelTextTitel;
  platform::Panel* PanelEingabe;
  QLineEdit* EditEingabe;  // at most 100 characters
  QMenu* PopupMenuLeer;

  void EditEingabeChange();
  void EditEingabeMouseDown();

  void StorePane() override { EditEingabeChange(); }
  std::string AlignedText() const override;

 protected:
  void LayoutThirdRow(int columnWidth) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};
