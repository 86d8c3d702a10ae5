// Printing the table: the print dialog on the main window's Print command,
// and the print command writing PDF files, checked with pdfinfo.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <QPageLayout>
#include <QPrinter>

#include "print/TablePrint.h"
#include "shell/Startup.h"
#include "tables/Grid.h"
#include "ui/AppWindows.h"
#include "ui/QtPrintEngine.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

struct ScorvaneRun {
  int status = -1;
  QByteArray err;
};

ScorvaneRun RunScorvane(const QStringList& args) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the command chooses its own
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(SCV_BINARY), args);
  ScorvaneRun run;
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished();
    ADD_FAILURE() << "scorvane did not end";
    return run;
  }
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.err = process.readAllStandardError();
  return run;
}

// The page count pdfinfo reads, or -1.
int PdfPages(const QString& path) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {path});
  if (!info.waitForFinished(20000) || info.exitCode() != 0) return -1;
  const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
  const auto match = pages.match(QString::fromUtf8(info.readAllStandardOutput()));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

bool IsPdf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

bool HavePdfInfo() { return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(); }

TEST(PrintTest, PrintCommandWritesTheStandingsAndScheduleIntoPdfFiles) {
  if (!HavePdfInfo()) GTEST_SKIP() << "pdfinfo is not installed";
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString data = tmp.filePath(QStringLiteral("data"));
  QString error;
  ASSERT_TRUE(SeedDemo(QStringLiteral(":/demo"), data, error)) << error.toStdString();

  const QString standings = tmp.filePath(QStringLiteral("standings.pdf"));
  ScorvaneRun run = RunScorvane({QStringLiteral("--data-dir"), data, QStringLiteral("print"), QStringLiteral("teams"),
                         QStringLiteral("--lines"), QStringLiteral("both"), QStringLiteral("--shading"),
                         QStringLiteral("rows"), QStringLiteral("-o"), standings});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(IsPdf(standings));
  EXPECT_EQ(PdfPages(standings), 1);

  // Copies go one after the other into the one file.
  const QString copies = tmp.filePath(QStringLiteral("copies.pdf"));
  run = RunScorvane({QStringLiteral("--data-dir"), data, QStringLiteral("print"), QStringLiteral("teams"),
                     QStringLiteral("--copies"), QStringLiteral("3"), QStringLiteral("-o"), copies});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(PdfPages(copies), 3);

  // Bad usage, and a file that cannot be written.
  EXPECT_EQ(RunScorvane({QStringLiteral("--data-dir"), data, QStringLiteral("print"), QStringLiteral("teams"),
                         QStringLiteral("--shading"), QStringLiteral("dots"), QStringLiteral("-o"), copies})
                .status,
            2);
  EXPECT_EQ(RunScorvane({QStringLiteral("--data-dir"), data, QStringLiteral("print"), QStringLiteral("-o"), copies})
                .status,
            2);
  run = RunScorvane({QStringLiteral("--data-dir"), data, QStringLiteral("print"), QStringLiteral("teams"),
                     QStringLiteral("-o"), tmp.filePath(QStringLiteral("no/such/dir/x.pdf"))});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(run.err.isEmpty());
  // Printing writes no data file.
  EXPECT_FALSE(QFile::exists(data + QStringLiteral("/Baseball.Years.tmp")));
}

TEST(PrintTest, PrintButtonShowsTheDialogAndOkPrintsTheTable) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  QString error;
  ASSERT_TRUE(SeedDemo(QStringLiteral(":/demo"), tmp.path(), error)) << error.toStdString();
  AppWindows app(tmp.path());
  const QString pdf = tmp.filePath(QStringLiteral("printed.pdf"));
  app.printEngine.SetPdfOutput(pdf);
  int setups = 0;
  app.print.SetPrinterSetupDialog([&setups](QPrinter*) { ++setups; });
  app.Show();
  test::Pump(20);

  QToolButton* printButton = app.window.Button(Command::Print);
  ASSERT_TRUE(printButton);
  ASSERT_TRUE(printButton->isEnabled());
  // The title without the mark of unsaved changes.
  const QString caption = app.window.windowTitle().remove(QStringLiteral("[*]"));

  bool seen = false;
  test::WhenModal<PrintForm>([&](PrintForm* form) {
    seen = true;
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(form->LinesItem(0)->text(), QStringLiteral("None"));
    EXPECT_EQ(form->LinesItem(3)->text(), QStringLiteral("Both"));
    EXPECT_EQ(form->ShadingItem(2)->text(), QStringLiteral("Columns"));
    EXPECT_TRUE(form->LinesItem(0)->isChecked());
    EXPECT_TRUE(form->ShadingItem(0)->isChecked());
    EXPECT_EQ(form->SpinCopies()->minimum(), 1);
    EXPECT_EQ(form->SpinCopies()->maximum(), 99);
    EXPECT_EQ(form->SpinCopies()->value(), 1);
    EXPECT_EQ(form->NoteLabel()->text(),
              QStringLiteral("NOTE:  Printing Lines and Shading may be Limited by the Amount of Memory in Your Printer."));
    EXPECT_EQ(form->OkButton()->text(), QStringLiteral("&OK"));
    EXPECT_EQ(form->SetupButton()->text(), QStringLiteral("&Setup"));
    EXPECT_EQ(form->CancelButton()->text(), QStringLiteral("&Cancel"));
    form->SetupButton()->click();
    form->LinesItem(3)->setChecked(true);
    form->ShadingItem(1)->setChecked(true);
    form->SpinCopies()->setValue(2);
    form->OkButton()->click();
  });
  printButton->click();
  test::Pump(20);
  ASSERT_TRUE(seen);
  EXPECT_EQ(setups, 1);
  EXPECT_TRUE(app.window.Table()->hasFocus() || !app.window.isActiveWindow());

  QString finishError;
  ASSERT_TRUE(app.printEngine.FinishDocument(finishError)) << finishError.toStdString();
  EXPECT_TRUE(IsPdf(pdf));
  // Two copies, each a job of its own: the second one writes the file anew.
  EXPECT_EQ(app.printEngine.PagesPrinted(), 2);
  if (HavePdfInfo()) EXPECT_EQ(PdfPages(pdf), 1);

  // The choices stay for the next Print; Cancel prints nothing.
  seen = false;
  test::WhenModal<PrintForm>([&](PrintForm* form) {
    seen = true;
    EXPECT_TRUE(form->LinesItem(3)->isChecked());
    EXPECT_TRUE(form->ShadingItem(1)->isChecked());
    EXPECT_EQ(form->SpinCopies()->value(), 2);
    form->CancelButton()->click();
  });
  printButton->click();
  test::Pump(20);
  EXPECT_TRUE(seen);
  EXPECT_EQ(app.printEngine.PagesPrinted(), 2);
}

TEST(PrintTest, ACellWiderThanItsColumnKeepsItsStart) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "no pdftotext";
  QTemporaryDir tmp;
  const QString pdf = tmp.filePath(QStringLiteral("cells.pdf"));
  QtPrintEngine engine;
  engine.SetPdfOutput(pdf);
  QString error;
  ASSERT_TRUE(engine.Execute(
      [](PrintEngine& e) {
        for (int c = 0; c < 2; ++c) e.SetTab(PrintEngine::kAfterPrevious, Justify::Center, 1.0, 2, 0, 0);
        e.PrintTabs("\tMaria-Gonzalez-Whitmore-Montgomery\tAB");
        return false;
      },
      error));
  // Where each word starts, in points: one-inch columns from the half-inch
  // margin, two hundredths inside; what fits stays centred.
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  ASSERT_TRUE(text.waitForFinished(20000));
  const QString words = QString::fromUtf8(text.readAllStandardOutput());
  auto left = [&words](const QString& word) {
    return QRegularExpression(QStringLiteral("xMin=\"([0-9.]+)\"[^>]*>") + word + QStringLiteral("<"))
        .match(words)
        .captured(1)
        .toDouble();
  };
  EXPECT_NEAR(left(QStringLiteral("Maria-Gonzalez-Whitmore-Montgomery")), 0.52 * 72, 1.0)
      << words.toStdString();
  EXPECT_GT(left(QStringLiteral("AB")), 1.5 * 72 + 20);
}

TEST(PrintTest, LongTableRunsOnToFurtherPagesOfThePdf) {
  if (!HavePdfInfo()) GTEST_SKIP() << "pdfinfo is not installed";
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  Grid grid;
  grid.SetColCount(3);
  grid.SetRowCount(201);
  grid.SetColWidth(0, 0);
  grid.SetColWidth(1, 100);
  grid.SetColWidth(2, 300);
  for (int r = 0; r <= 200; ++r) {
    grid.SetCell(1, r, std::to_string(r));
    grid.SetCell(2, r, "row " + std::to_string(r));
  }
  const QString pdf = tmp.filePath(QStringLiteral("long.pdf"));
  QtPrintEngine engine;
  engine.SetPdfOutput(pdf);
  TablePrint print(grid, {"System", 10}, "Long", {PrintLines::Both, PrintShading::Both, 1});
  QString error;
  ASSERT_TRUE(print.PrintCopies(engine, error)) << error.toStdString();

  // Half-inch margins, lines 12 points apart; the title, a blank line and
  // the heading take three lines of every page.
  const double height = engine.Printer().pageLayout().fullRect(QPageLayout::Inch).height();
  const int rowsPerPage = static_cast<int>((height - 1.0) / (12.0 / 72.0)) - 3;
  ASSERT_GT(rowsPerPage, 0);
  const int pages = (200 + rowsPerPage - 1) / rowsPerPage;
  EXPECT_GT(pages, 1);
  EXPECT_EQ(engine.PagesPrinted(), pages);
  EXPECT_EQ(PdfPages(pdf), pages);
}

}  // namespace
}  // namespace scv
