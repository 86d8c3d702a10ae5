#pragma once
// The print engine on QPrinter and QPainter: pages in inches from the
// paper's top-left corner, the report's own margins, tab columns drawn as
// shaded, ruled cells with centred text.
#include <functional>
#include <memory>
#include <vector>

#include <QFont>
#include <QString>

#include "print/PrintEngine.h"

class QPainter;
class QPrinter;

namespace scv {

class QtPrintEngine : public PrintEngine {
 public:
  explicit QtPrintEngine(ReportSettings settings = ReportSettings());
  ~QtPrintEngine() override;
  QtPrintEngine(const QtPrintEngine&) = delete;
  QtPrintEngine& operator=(const QtPrintEngine&) = delete;

  // The printer every job goes to (the system's default printer unless the
  // printer-setup dialog or the caller chose another, or a PDF file).
  QPrinter& Printer() { return *printer_; }
  // Prints into a PDF file instead of a printer.
  void SetPdfOutput(const QString& path);
  // Every job goes into one document until FinishDocument (copies into one
  // PDF file); otherwise each job is a document of its own.
  void SetSingleDocument(bool single) { singleDocument_ = single; }
  bool FinishDocument(QString& error);
  // Told the status text ("Printing page 3") as each page starts.
  void SetStatusHandler(std::function<void(const QString&)> handler) { status_ = std::move(handler); }
  // Pages produced since the engine was made.
  int PagesPrinted() const { return pagesPrinted_; }

  // PrintEngine
  bool Execute(const PageEvent& printPage, QString& error) override;
  void ClearTabs() override { tabs_.clear(); }
  void SetFont(const std::string& name, double pointSize) override;
  double PageWidth() const override;
  void SetTab(double position, Justify justify, double width, int margin, int borders, int shade) override;
  void Home() override;
  void Bold(bool on) override;
  void PrintCenter(const std::string& text, double position) override;
  void NewLine() override;
  void SetTabShade(int percent) override;
  int TabShade() const override { return tabShade_; }
  void PrintTabs(const std::string& text) override;
  int LinesLeft() const override;
  void BeforeSetup() override;
  void AfterSetup() override;

 private:
  struct Tab {
    double left, width;
    Justify justify;
    int margin, borders, shade;
  };
  double PageHeight() const;
  double LineHeight() const;
  double Dpi() const;
  bool BeginDocument(QString& error);
  void DrawCell(const Tab& tab, const QString& text);

  ReportSettings settings_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  std::vector<Tab> tabs_;
  QFont font_;
  double pointSize_ = 10;
  double x_ = 0, y_ = 0;  // current position, inches from the paper's corner
  int tabShade_ = 0;
  bool singleDocument_ = false;
  int pagesInDocument_ = 0;
  int pagesPrinted_ = 0;
  std::function<void(const QString&)> status_;
};

// The command line's printing: body runs on an engine that prints into the
// PDF file pdfPath (every job into the one file) or, when pdfPath is empty,
// to the system's default printer; the output is finished afterwards.
bool RunPrintJob(const QString& pdfPath, const std::function<bool(PrintEngine&, QString&)>& body, QString& error);

}  // namespace scv
