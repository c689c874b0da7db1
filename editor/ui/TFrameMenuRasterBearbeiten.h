#pragma once
// The editor's grid menu (FrameMenuRasterBearbeiten): no grid, every dot,
// every millimetre, or halves and thirds of the print field. The choice is
// the Tag of the editor page's LabelRaster (GridMode).
#include <QObject>
#include <QWidget>
#include <array>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameBearbeiten;

class TFrameMenuRasterBearbeiten : public QWidget {
 public:
  explicit TFrameMenuRasterBearbeiten(QWidget* owner);
  void SetEditor(TFrameBearbeiten* editor) { editor_ = editor; }

  platform::Panel* PanelMain;
  platform::Panel* PanelAus;
  platform::SpeedButton* SpeedButtonAus;
  platform::Panel* PanelPixel;
  platform::SpeedButton* SpeedButtonPixel;
  platform::Panel* PanelMillimeter;
  platform::SpeedButton* SpeedButtonMillimeter;
  platform::Panel* PanelBereich;
  platform::SpeedButton* SpeedButtonBereich;

  void SpeedButtonAusClick(QObject* sender);
  void SpeedButtonPixelClick(QObject* sender);
  void SpeedButtonMillimeterClick(QObject* sender);
  void SpeedButtonBereichClick(QObject* sender);
  void PanelMainClick(QObject* sender);
  void ApplyGrid();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Choose(int mode, QObject* sender);
  TFrameBearbeiten* editor_ = nullptr;
};
