#pragma once
// The editor's zoom menu.
#include <QObject>
#include <QWidget>

class TFrameMenuZoomBearbeiten : public QWidget {
 public:
  explicit TFrameMenuZoomBearbeiten(QWidget* owner);

  void SpeedButtonZoomDownClick(QObject* sender);
  void SpeedButtonZoomUpClick(QObject* sender);
};
