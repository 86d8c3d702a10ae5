// The table print against a recording engine: layout, titles and headings on
// every page, shading and borders, copies, the dialog's presenter.
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "print/PrintCommand.h"
#include "print/PrintForm.h"
#include "print/TablePrint.h"
#include "dialogs/ListView.h"
#include "store/DataStore.h"
#include "store/Messages.h"
#include "tables/Grid.h"

namespace scv {
namespace {

// Records what each page receives; a page holds linesPerPage lines.
class RecordingEngine : public PrintEngine {
 public:
  struct Line {
    std::string text;
    int shade = 0;
    bool bold = false;
    bool centred = false;
    double position = 0;
  };
  struct Tab {
    double position, width;
    Justify justify;
    int margin, borders, shade;
  };
  struct Job {
    std::vector<std::vector<Line>> pages;
  };

  double pageWidth = 8.5;
  int linesPerPage = 10;
  bool failJob = false;
  int maxPages = 1000;

  std::vector<Job> jobs;
  std::vector<Tab> tabs;
  std::vector<std::pair<std::string, double>> fonts;
  int clears = 0, setups = 0, line = 0, shade = 0;
  bool bold = false;
  std::vector<std::string> calls;

  bool Execute(const PageEvent& printPage, QString& error) override {
    if (failJob) {
      error = QStringLiteral("printer gone");
      return false;
    }
    jobs.emplace_back();
    for (int page = 0; page < maxPages; ++page) {
      jobs.back().pages.emplace_back();
      line = 0;
      if (!printPage(*this)) break;
    }
    return true;
  }
  void ClearTabs() override {
    ++clears;
    tabs.clear();
  }
  void SetFont(const std::string& name, double pointSize) override {
    fonts.emplace_back(name, pointSize);
    bold = false;
  }
  double PageWidth() const override { return pageWidth; }
  void SetTab(double position, Justify justify, double width, int margin, int borders, int s) override {
    tabs.push_back({position, width, justify, margin, borders, s});
  }
  void Home() override { line = 0; }
  void Bold(bool on) override { bold = on; }
  void PrintCenter(const std::string& text, double position) override {
    Page().push_back({text, 0, bold, true, position});
  }
  void NewLine() override { ++line; }
  void SetTabShade(int percent) override { shade = std::clamp(percent, 0, 100); }
  int TabShade() const override { return shade; }
  void PrintTabs(const std::string& text) override { Page().push_back({text, shade, bold, false, 0}); }
  int LinesLeft() const override { return std::max(0, linesPerPage - line); }
  void BeforeSetup() override { calls.push_back("before"); }
  void AfterSetup() override { calls.push_back("after"); }

  std::vector<Line>& Page() { return jobs.back().pages.back(); }
};

// A grid as the table builders leave it: key column 0 of width 0, a
// heading row and n data rows.
Grid MakeGrid(int cols, int rows) {
  Grid grid;
  grid.SetColCount(cols + 1);
  grid.SetRowCount(rows + 1);
  grid.SetColWidth(0, 0);
  for (int c = 1; c <= cols; ++c) {
    grid.SetColWidth(c, 20 * c);
    grid.SetCell(c, 0, " H" + std::to_string(c));
    for (int r = 1; r <= rows; ++r) grid.SetCell(c, r, std::to_string(r) + "." + std::to_string(c));
  }
  grid.SetCell(0, 1, "1");
  return grid;
}

std::string RowText(const Grid& grid, int row) {
  std::string text;
  for (int c = 1; c < grid.ColCount(); ++c) text += "\t" + grid.Cell(c, row);
  return text;
}

TEST(TablePrintTest, LaysOutShownColumnsInScreenProportionsAcrossThePage) {
  Grid grid = MakeGrid(3, 2);
  grid.ClientWidth = 500;  // wider than the cells: the cells set the scale
  RecordingEngine engine;
  TablePrint print(grid, {"Arial", 12}, "2024 League", {PrintLines::Both, PrintShading::Columns, 1});
  QString error;
  ASSERT_TRUE(print.PrintCopies(engine, error));

  ASSERT_EQ(engine.fonts.size(), 1u);
  EXPECT_EQ(engine.fonts[0].first, "Arial");
  EXPECT_DOUBLE_EQ(engine.fonts[0].second, 12);
  // The hidden key column is never printed.
  ASSERT_EQ(engine.tabs.size(), 3u);
  const double cellArea = 1 + 21 + 41 + 61;  // every column with its grid line
  double total = 0;
  for (size_t i = 0; i < engine.tabs.size(); ++i) {
    const auto& tab = engine.tabs[i];
    EXPECT_EQ(tab.position, PrintEngine::kAfterPrevious);
    EXPECT_EQ(tab.justify, Justify::Center);
    EXPECT_EQ(tab.margin, 2);
    EXPECT_EQ(tab.borders, 15);
    EXPECT_NEAR(tab.width, 20.0 * (i + 1) * (8.5 - 0.9) / cellArea, 1e-9);
    total += tab.width;
    // Printed columns 1 and 3 are shaded, 2 is not.
    EXPECT_EQ(tab.shade, i % 2 == 0 ? 8 : 0) << i;
  }
  EXPECT_LT(total, 8.5 - 0.9);

  // A cell area wider than the client width is cut at the client width.
  grid.ClientWidth = 62;
  RecordingEngine narrow;
  TablePrint cut(grid, {"Arial", 12}, "t", {});
  ASSERT_TRUE(cut.PrintCopies(narrow, error));
  EXPECT_NEAR(narrow.tabs[0].width, 20.0 * 7.6 / 62, 1e-9);
  EXPECT_EQ(narrow.tabs[0].borders, 0);
  EXPECT_EQ(narrow.tabs[0].shade, 0);
}

TEST(TablePrintTest, BordersFollowTheLinesChoice) {
  EXPECT_EQ(LineBorders(PrintLines::None), 0);
  EXPECT_EQ(LineBorders(PrintLines::Horizontal), 12);
  EXPECT_EQ(LineBorders(PrintLines::Vertical), 3);
  EXPECT_EQ(LineBorders(PrintLines::Both), 15);
}

TEST(TablePrintTest, LongTableRepeatsTitleAndHeadingOnEveryPage) {
  const Grid grid = MakeGrid(2, 17);
  RecordingEngine engine;
  engine.linesPerPage = 10;  // title, blank, heading: 7 data rows a page
  TablePrint print(grid, {"System", 10}, "2024 Spring", {PrintLines::None, PrintShading::None, 1});
  QString error;
  ASSERT_TRUE(print.PrintCopies(engine, error));
  ASSERT_EQ(engine.jobs.size(), 1u);
  const auto& pages = engine.jobs[0].pages;
  ASSERT_EQ(pages.size(), 3u);
  int next = 1;
  for (const auto& page : pages) {
    ASSERT_GE(page.size(), 3u);
    EXPECT_TRUE(page[0].centred);
    EXPECT_TRUE(page[0].bold);
    EXPECT_EQ(page[0].text, "2024 Spring");
    EXPECT_DOUBLE_EQ(page[0].position, 4.25);
    EXPECT_EQ(page[1].text, RowText(grid, 0));
    EXPECT_TRUE(page[1].bold);
    EXPECT_EQ(page[1].shade, 8);  // heading shade without row shading
    for (size_t i = 2; i < page.size(); ++i) {
      EXPECT_EQ(page[i].text, RowText(grid, next++));
      EXPECT_FALSE(page[i].bold);
      EXPECT_EQ(page[i].shade, 0);
    }
  }
  EXPECT_EQ(next, 18);  // every row once, in order
  EXPECT_EQ(pages[0].size(), 2u + 7);
  EXPECT_EQ(pages[2].size(), 2u + 3);
  // The layout is built once per copy, not on every page.
  EXPECT_EQ(engine.clears, 1);
}

TEST(TablePrintTest, RowShadingAlternatesFromUnshadedOnEveryPage) {
  const Grid grid = MakeGrid(1, 6);
  for (PrintShading shading : {PrintShading::Rows, PrintShading::Both}) {
    RecordingEngine engine;
    engine.linesPerPage = 6;  // 3 data rows a page
    TablePrint print(grid, {"System", 10}, "t", {PrintLines::None, shading, 1});
    QString error;
    ASSERT_TRUE(print.PrintCopies(engine, error));
    const auto& pages = engine.jobs.at(0).pages;
    ASSERT_EQ(pages.size(), 2u);
    for (const auto& page : pages) {
      ASSERT_EQ(page.size(), 5u);
      EXPECT_EQ(page[1].shade, 16);
      EXPECT_EQ(page[2].shade, 0);
      EXPECT_EQ(page[3].shade, 8);
      EXPECT_EQ(page[4].shade, 0);
    }
    EXPECT_EQ(engine.tabs[0].shade, shading == PrintShading::Both ? 8 : 0);
  }
}

TEST(TablePrintTest, EmptyTablePrintsTitleHeadingAndBlankRowOnOnePage) {
  Grid grid = MakeGrid(3, 0);
  grid.SetRowCount(2);  // heading and one blank row
  RecordingEngine engine;
  TablePrint print(grid, {"System", 10}, "t", {});
  QString error;
  ASSERT_TRUE(print.PrintCopies(engine, error));
  ASSERT_EQ(engine.jobs.at(0).pages.size(), 1u);
  const auto& page = engine.jobs[0].pages[0];
  ASSERT_EQ(page.size(), 3u);
  EXPECT_EQ(page[2].text, "\t\t\t");
}

TEST(TablePrintTest, EachCopyIsAJobOfItsOwnFromTheFirstRow) {
  const Grid grid = MakeGrid(2, 12);
  RecordingEngine engine;
  engine.linesPerPage = 8;  // 5 data rows a page: 3 pages a copy
  TablePrint print(grid, {"System", 10}, "t", {PrintLines::None, PrintShading::None, 3});
  QString error;
  ASSERT_TRUE(print.PrintCopies(engine, error));
  ASSERT_EQ(engine.jobs.size(), 3u);
  for (const auto& job : engine.jobs) {
    ASSERT_EQ(job.pages.size(), 3u);
    EXPECT_EQ(job.pages[0][2].text, RowText(grid, 1));
    EXPECT_EQ(job.pages[2].back().text, RowText(grid, 12));
  }
  EXPECT_EQ(engine.clears, 3);

  // A failing job stops the copies after it.
  RecordingEngine broken;
  broken.failJob = true;
  EXPECT_FALSE(print.PrintCopies(broken, error));
  EXPECT_EQ(error, QStringLiteral("printer gone"));
}

TEST(TablePrintTest, PageWithNoRoomStillTakesARowSoTheJobEnds) {
  const Grid grid = MakeGrid(1, 4);
  RecordingEngine engine;
  engine.linesPerPage = 2;  // the title and blank line fill the page
  TablePrint print(grid, {"System", 10}, "t", {});
  QString error;
  ASSERT_TRUE(print.PrintCopies(engine, error));
  const auto& pages = engine.jobs.at(0).pages;
  ASSERT_EQ(pages.size(), 4u);
  for (int p = 0; p < 4; ++p) EXPECT_EQ(pages[p].back().text, RowText(grid, p + 1));
}

TEST(TablePrintTest, FontFollowsTheLeagueFontOrTheDesignedOne) {
  TableFont designed;
  PrintFont font = PrintFontOf(designed);
  EXPECT_EQ(font.Name, "System");
  EXPECT_DOUBLE_EQ(font.PointSize, 10);
  TableFont league;
  league.Name = "Courier New";
  league.PointSize = 14;
  font = PrintFontOf(league);
  EXPECT_EQ(font.Name, "Courier New");
  EXPECT_DOUBLE_EQ(font.PointSize, 14);
  league.PointSize = 100000;
  EXPECT_DOUBLE_EQ(PrintFontOf(league).PointSize, 400);
  // A size stored without a name is the grid's size all the same.
  TableFont sizeOnly;
  sizeOnly.PointSize = 16;
  font = PrintFontOf(sizeOnly);
  EXPECT_EQ(font.Name, "System");
  EXPECT_DOUBLE_EQ(font.PointSize, 16);
}

TEST(PrintCommandTest, OptionsParseOrAreRefused) {
  TablePrintOptions options;
  EXPECT_TRUE(ParsePrintOptions({}, {}, {}, options).isEmpty());
  EXPECT_EQ(options.Lines, PrintLines::None);
  EXPECT_EQ(options.Shading, PrintShading::None);
  EXPECT_EQ(options.Copies, 1);
  EXPECT_TRUE(ParsePrintOptions("Vertical", "columns", "99", options).isEmpty());
  EXPECT_EQ(options.Lines, PrintLines::Vertical);
  EXPECT_EQ(options.Shading, PrintShading::Columns);
  EXPECT_EQ(options.Copies, 99);
  EXPECT_FALSE(ParsePrintOptions("dotted", {}, {}, options).isEmpty());
  EXPECT_FALSE(ParsePrintOptions({}, "stripes", {}, options).isEmpty());
  for (const char* bad : {"0", "100", "-1", "two", "+3"})
    EXPECT_FALSE(ParsePrintOptions({}, {}, QString::fromLatin1(bad), options).isEmpty()) << bad;
}

TEST(PrintCommandTest, PrintsThroughTheRunnerAndReportsFailure) {
  const Grid grid = MakeGrid(2, 3);
  RecordingEngine engine;
  QString seenPath;
  PrintRunner runner = [&](const QString& path, const std::function<bool(PrintEngine&, QString&)>& body,
                           QString& error) {
    seenPath = path;
    return body(engine, error);
  };
  EXPECT_EQ(PrintTableCommand(grid, {"System", 10}, " ", {PrintLines::None, PrintShading::None, 2}, "out.pdf", runner),
            0);
  EXPECT_EQ(seenPath, QStringLiteral("out.pdf"));
  ASSERT_EQ(engine.jobs.size(), 2u);
  // A blank caption prints as the program's title.
  EXPECT_EQ(engine.jobs[0].pages[0][0].text, "Scorvane");
  engine.failJob = true;
  EXPECT_EQ(PrintTableCommand(grid, {"System", 10}, "t", {}, {}, runner), 1);
  EXPECT_EQ(PrintTableCommand(grid, {"System", 10}, "t", {}, {}, PrintRunner()), 1);
}

// ---- the dialog's presenter ---------------------------------------------------

class FakePrintView : public PrintFormView {
 public:
  QString caption;
  PrintLines lines = PrintLines::None;
  PrintShading shading = PrintShading::None;
  int copies = 1;
  int focusLines = 0, setups = 0, closedOk = 0, execs = 0;
  std::function<bool()> onExec;
  std::vector<std::string>* log = nullptr;

  void SetCaption(const QString& c) override { caption = c; }
  QString Caption() const override { return caption; }
  PrintLines Lines() const override { return lines; }
  PrintShading Shading() const override { return shading; }
  int Copies() const override { return copies; }
  void FocusLines() override { ++focusLines; }
  void ShowPrinterSetup() override {
    ++setups;
    if (log) log->push_back("setup");
  }
  void CloseOk() override { ++closedOk; }
  bool Exec() override {
    ++execs;
    return onExec ? onExec() : false;
  }
};

class FakeHelp : public HelpView {
 public:
  std::vector<QString> topics;
  void OpenHelp(const QString& topic) override { topics.push_back(topic); }
};

class FakeMessages : public Messages {
 public:
  std::vector<QString> errors;
  void Error(const QString& text) override { errors.push_back(text); }
  void Information(const QString&) override {}
  bool Confirm(const QString&) override { return false; }
  Answer ConfirmYesNoAll(const QString&) override { return Answer::No; }
  Answer ConfirmYesNoCancel(const QString&) override { return Answer::Cancel; }
};

TEST(PrintFormTest, PrintCommandShowsTheDialogAndOkPrintsTheCopies) {
  const Grid grid = MakeGrid(2, 3);
  RecordingEngine engine;
  FakePrintView view;
  FakeHelp help;
  FakeMessages messages;
  std::string caption = "2024 Spring \xE9t\xE9";
  PrintFormPresenter presenter(
      grid, [&] { return caption; }, [] { return PrintFont{"Arial", 9}; }, view, engine, help, messages);

  view.lines = PrintLines::Horizontal;
  view.shading = PrintShading::Rows;
  view.copies = 2;
  view.onExec = [&] { return presenter.OkButtonClick(); };
  EXPECT_TRUE(presenter.PrintButtonClick());
  EXPECT_EQ(view.caption, QString::fromUtf8("2024 Spring \xC3\xA9t\xC3\xA9"));
  EXPECT_GE(view.focusLines, 1);
  EXPECT_EQ(view.closedOk, 1);
  ASSERT_EQ(engine.jobs.size(), 2u);
  EXPECT_EQ(engine.jobs[0].pages[0][0].text, caption);  // the caption's own bytes
  EXPECT_EQ(engine.tabs.at(0).borders, 12);
  EXPECT_EQ(engine.jobs[0].pages[0][1].shade, 16);
  EXPECT_EQ(engine.fonts.back().first, "Arial");

  // The caption is taken anew at each use.
  caption = "2025 Fall";
  view.onExec = [] { return false; };  // Cancel: nothing printed
  EXPECT_FALSE(presenter.PrintButtonClick());
  EXPECT_EQ(view.caption, QStringLiteral("2025 Fall"));
  EXPECT_EQ(engine.jobs.size(), 2u);

  // A job that cannot run is reported; the dialog stays open.
  engine.failJob = true;
  EXPECT_FALSE(presenter.OkButtonClick());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0], QStringLiteral("printer gone"));
  EXPECT_EQ(view.closedOk, 1);
}

TEST(PrintFormTest, SetupWrapsTheDialogAndHelpOpensItsTopic) {
  const Grid grid = MakeGrid(1, 1);
  RecordingEngine engine;
  FakePrintView view;
  view.log = &engine.calls;  // one log, to see the order
  FakeHelp help;
  FakeMessages messages;
  PrintFormPresenter presenter(grid, nullptr, nullptr, view, engine, help, messages);
  presenter.SetupButtonClick();
  EXPECT_EQ(view.setups, 1);
  EXPECT_EQ(engine.calls, (std::vector<std::string>{"before", "setup", "after"}));
  EXPECT_EQ(view.focusLines, 1);
  presenter.HelpButtonClick();
  ASSERT_EQ(help.topics.size(), 1u);
  EXPECT_EQ(help.topics[0], QStringLiteral("Print_Button"));
  EXPECT_EQ(view.focusLines, 2);
}

}  // namespace
}  // namespace scv
