#pragma once
// The three optional columns of a data-view row: the layers, the parameters
// and the note of its print text. Their values are written when the row is
// drawn; a click anywhere on a layer line reaches that line's panel, a click
// on the parameters or the note reaches the frame itself.
#include <QLabel>
#include <QWidget>
#include <array>
#include <string>

#include "platform/qt/Panel.h"

namespace editor {
struct RowParameterTexts;
}

// Background of the row columns (a system colour number).
inline constexpr std::uint32_t kRowColumnColour = 13149858;

// Gives the panels of a row column (any of the three frames below) the
// colour `colour`; the report captures the columns on white.
void SetRowColumnColour(QWidget* column, std::uint32_t colour);

class TFrameDatenEbenen : public QWidget {
 public:
  explicit TFrameDatenEbenen(QWidget* parent);

  // Line n (0 to 4) of layer n + 1: the outer panel takes the clicks, the
  // inner one holds the title ("Ebene 1:") and the value ("Kein").
  std::array<platform::Panel*, 5> PanelEbene{};       // PanelEbene1 .. PanelEbene5
  std::array<platform::Panel*, 5> PanelEbeneInner{};  // PanelEbene11 .. PanelEbene51
  std::array<QLabel*, 5> LabelTitelEbene{};           // LabelTitelEbene1 .. 5
  std::array<QLabel*, 5> LabelEbene{};                // LabelEbene1 .. 5

  // The layer titles (Windows-1252), each followed by ":". The values move
  // right where a title needs more room than its 56 px.
  void ShowTitles(const std::array<std::string, 5>& titles);
};

class TFrameDatenParameter : public QWidget {
 public:
  explicit TFrameDatenParameter(QWidget* parent);

  platform::Panel* PanelParameter;
  QLabel *LabelTitelVorlauf, *LabelTitelDrucklaenge, *LabelTitelAnzahl, *LabelTitelNachlauf, *LabelTitelLage,
      *LabelTitelAbstand, *LabelTitelAnzahl2, *LabelTitelAbstand2;
  QLabel *LabelVorlauf, *LabelDrucklaenge, *LabelAnzahl, *LabelNachlauf, *LabelLage, *LabelAbstand, *LabelAnzahl2,
      *LabelAbstand2;

  // Writes the values; the distance within a group and the group values
  // show only where the layout has them.
  void ShowValues(const editor::RowParameterTexts& texts);
  // The titles in the order Vorlauf, Drucklänge, Lage, Anzahl, Abstand,
  // Anzahl2, Abstand2, Nachlauf (Windows-1252), each followed by ":". A
  // column of titles that needs more room than it has widens, and the
  // columns to its right move over.
  void ShowTitles(const std::array<std::string, 8>& titles);

 private:
  std::array<std::string, 8> shownTitles_;
};

class TFrameDatenNotiz : public QWidget {
 public:
  explicit TFrameDatenNotiz(QWidget* parent);

  platform::Panel* PanelNotiz;
  QLabel* MemoNotiz;

  // The note's lines (CR LF between them, Windows-1252).
  void ShowNote(const std::string& note);
};
