#pragma once
// The report-printing engine the table print drives: a print job that calls
// a page event once per page, tab stops with borders and shading, fonts,
// centred text and line control. Positions and widths are in inches; texts
// are Windows-1252 bytes, as the grid holds them.
#include <functional>
#include <string>

#include <QString>

namespace scv {

// Cell border bits of a tab stop.
enum BorderBits : int { BorderLeft = 1, BorderRight = 2, BorderTop = 4, BorderBottom = 8 };

enum class Justify { Left, Center, Right };

// The engine's fixed settings, as the print dialog sets them.
struct ReportSettings {
  double Margin = 0.5;            // inches, on all four sides
  double LineSpacing = 1.2;       // lines are this many times the font's point size apart
  QString StatusFormat = QStringLiteral("Printing page %p");  // %p: the page number
  QString JobTitle = QStringLiteral("Scorvane");
};

class PrintEngine {
 public:
  // SetTab's position for "right after the previous tab stop" (the first
  // tab then starts at the left margin).
  static constexpr double kAfterPrevious = -1.0;

  using PageEvent = std::function<bool(PrintEngine&)>;

  virtual ~PrintEngine() = default;

  // Runs one print job on the chosen printer: calls printPage for page 1,
  // 2, ... for as long as it returns true, then ends the job. False when
  // the job could not be started or ended; error then says why.
  virtual bool Execute(const PageEvent& printPage, QString& error) = 0;

  virtual void ClearTabs() = 0;
  // Selects the font for the following text; bold, italic, underline and
  // strike-out off.
  virtual void SetFont(const std::string& name, double pointSize) = 0;
  // Width of the physical page.
  virtual double PageWidth() const = 0;
  // Appends a tab column; margin in hundredths of an inch, shade in percent
  // of black (0: none).
  virtual void SetTab(double position, Justify justify, double width, int margin, int borders, int shade) = 0;
  // First line, first column of the page.
  virtual void Home() = 0;
  virtual void Bold(bool on) = 0;
  // Prints text centred at the horizontal position, on the current line.
  virtual void PrintCenter(const std::string& text, double position) = 0;
  virtual void NewLine() = 0;
  // Shade behind the tab cells of the following lines, 0 to 100 (clamped);
  // 0 means none.
  virtual void SetTabShade(int percent) = 0;
  virtual int TabShade() const = 0;
  // Every tab character moves to the next tab stop; the text after it is
  // printed in that column with its justification, borders and shade. A
  // text wider than its column keeps its start and is cut at the right.
  virtual void PrintTabs(const std::string& text) = 0;
  // Lines, the current one included, that still fit above the bottom
  // margin; 0 when the current position is already below it.
  virtual int LinesLeft() const = 0;
  // Around the printer-setup dialog: release and take up the printer.
  virtual void BeforeSetup() = 0;
  virtual void AfterSetup() = 0;
};

}  // namespace scv
