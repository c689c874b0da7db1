#pragma once
// The editor's view menu (FrameMenuAnsichtBearbeiten): one row per layer,
// one for the parameters and one for the note, each with a thumbnail;
// choosing a row shows that view. The view number lives in the Tag of the
// editor page's LabelAnsicht.
#include <QObject>
#include <QPlainTextEdit>
#include <QWidget>
#include <array>

#include "editor/ui/ImageControl.h"
#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameBearbeiten;

class TFrameMenuAnsichtBearbeiten : public QWidget {
 public:
  explicit TFrameMenuAnsichtBearbeiten(QWidget* owner);
  void SetEditor(TFrameBearbeiten* editor) { editor_ = editor; }

  platform::Panel* PanelMain1;
  platform::Panel* PanelMain2;
  platform::Panel* PanelMain3;
  std::array<platform::Panel*, 5> PanelEbene;  // PanelEbene1 .. PanelEbene5
  std::array<platform::Label*, 5> LabelEbene;
  std::array<editor::ui::ImageControl*, 5> ImageVorschauEbene;
  std::array<platform::SpeedButton*, 5> SpeedButtonEbene;
  platform::Panel* PanelParameter;
  platform::Label* LabelParameter;
  editor::ui::ImageControl* ImageVorschauParameter;
  platform::SpeedButton* SpeedButtonParameter;
  platform::Panel* PanelNotiz;
  platform::Label* LabelNotiz;
  QPlainTextEdit* MemoVorschauNotiz;
  platform::SpeedButton* SpeedButtonNotiz;

  void ShowMenu();
  void UpdateThumbnail(unsigned n);
  void ApplyView();

  void SpeedButtonEbene1Click(QObject* sender);
  void SpeedButtonEbene2Click(QObject* sender);
  void SpeedButtonEbene3Click(QObject* sender);
  void SpeedButtonEbene4Click(QObject* sender);
  void SpeedButtonEbene5Click(QObject* sender);
  void SpeedButtonParameterClick(QObject* sender);
  void SpeedButtonNotizClick(QObject* sender);
  void PanelMain1Click(QObject* sender);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void ChooseLayer(int view, QObject* sender);
  void ChooseView(int view, QObject* sender);
  // The seven rows in view order.
  platform::Panel* Row(int view) const;
  platform::Label* RowLabel(int view) const;
  TFrameBearbeiten* editor_ = nullptr;
};
