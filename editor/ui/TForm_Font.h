#pragma once
// The font chooser ("Schrift", Form_Font): the modal dialog in which the
// user picks the family, the style and the character width of a text,
// date or time object. One instance exists for the program. Its sample
// font is also the editor's font of record: the editor loads the edited
// layer's font name and style into it when it fills an object pane, and
// the text, date and time panes take name and style from it whenever they
// store their layer (EditorFontChooser). A pane opens it with
//
//   Form_Font->SetSizeAndWidth(height, width, text);
//   if (Form_Font->ShowModal() == 1) { name = Form_Font->PreviewFontName();
//                                      width = Form_Font->ResultWidth(); }
//
// Plugging it in: the editor frame takes it as its font chooser
// (TFrameBearbeiten::SetFontChooser(Form_Font)).
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/ui/EditorDialogServices.h"
#include "editor/ui/EditorFontChooser.h"
#include "editor/ui/FontSample.h"
#include "editor/ui/WindowSizing.h"
#include "platform/FontDescription.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

class TForm_Font : public QDialog, public editor::ui::EditorFontChooser {
 public:
  explicit TForm_Font(QWidget* owner = nullptr);
  ~TForm_Font() override;

  // --- EditorFontChooser ------------------------------------------------------------
  void SetNameAndStyle(const std::string& name, std::uint8_t style) override;
  std::string PreviewFontName() const override { return SampleFont.Name; }
  std::uint8_t PreviewFontStyle() const override { return SampleFont.Style; }
  // The sample font's size (the layer's height, in points) and its average
  // character width (0: the font's own); the sample panel shows `text`.
  void SetSizeAndWidth(int size, int width, const std::string& text) override;
  // 1 for OK, 2 for "Abbrechen".
  int ShowModal() override;
  // The width the sample font really has: its character width when set,
  // else the font's own measured average width, else RequestedWidth.
  int ResultWidth() const override;
  // Closing the window otherwise counts as "Abbrechen".
  void reject() override;

  editor::ui::EditorDialogServices Services = editor::ui::EditorDialogServices::Defaults();
  // The installed families; replaceable for tests.
  std::function<std::vector<std::string>()> ListFamilies;

  // --- State --------------------------------------------------------------------------
  platform::FontDescription SampleFont;  // the font of Image_Vorschau, Windows-1252 name
  int RequestedWidth = 7;
  std::string SampleText;  // the pane's own text, the first sample
  QString WidthWord = QStringLiteral("Breite");
  bool Ready = false;
  bool Sizing = false;
  int SampleNumber = 0;  // 0..4
  static inline bool FirstShow = true;
  static inline QRect RestoreBounds;

  // --- Components ------------------------------------------------------------------
  QLineEdit* ComboBox_Name;
  QListWidget* ListBox_Name;
  QCheckBox* CheckBox_Bolt;
  QCheckBox* CheckBox_Italic;
  QCheckBox* CheckBox_Underline;
  QCheckBox* CheckBox_StrikeOut;
  QCheckBox* CheckBox_BesteBreite;
  QLabel* Label_BesteBreite;
  QLabel* Label_Vorschau;
  QLabel* Label_VorschauNr;
  editor::ui::FontSample* Panel_Vorschau;
  platform::Panel* BottomPanel;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;
  QLabel* Image_Grip;

  // --- Handlers and steps -----------------------------------------------------------
  void FormShow();
  void RefreshPreview();
  void ComboBox_NameChange();
  void ListBox_NameClick();
  void FormMouseWheelDown();
  void FormMouseWheelUp();
  void CheckBoxStyleClick(QCheckBox* box, std::uint8_t bit);
  void CheckBox_BesteBreiteClick();
  void Panel_VorschauClick();
  void SpeedButtonOKClick();
  void SpeedButtonAbbrechenClick();
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void BottomPanelMouseDown(const QPoint& globalPosition);
  void BottomPanelMouseMove(const QPoint& globalPosition);
  void BottomPanelMouseUp();
  void BottomPanelDblClick();
  // The window size allowed: within the work area, the client area at
  // least 500 x 300.
  QSize LimitSize(QSize proposed) const;
  static constexpr QSize kStartSize{600, 400};
  static constexpr QSize kMinimumSize{500, 300};

  // The missing-font notice in a UI language, '%s' for the family.
  static QString MissingFontText(int languageId);
  // The samples after 1 to 4 clicks, Windows-1252.
  static std::string FixedSample(int number);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildForm();
  void LayoutForm();
  void Wire();
  // Selects row `row` (-1: none) in the list and takes its family.
  void SelectRow(int row, bool setField);
  // The selected row of the list, -1 for none.
  int SelectedRow() const;
  void ShowWidthLabelText(bool shown);
  void ApplySampleFont();
  int NaturalWidth(bool* ok) const;

  std::vector<std::string> families_;
  platform::FontDescription shownFont_;  // as it was when the chooser opened
  bool filling_ = false;
  editor::ui::BarDrag barDrag_;
};

extern TForm_Font* Form_Font;
