#include "ui/QtPrintEngine.h"

#include <algorithm>
#include <cmath>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "store/Text.h"

namespace scv {

namespace {

QColor ShadeColour(int percent) {
  const int level = 255 - (255 * std::clamp(percent, 0, 100) + 50) / 100;
  return QColor(level, level, level);
}

}  // namespace

QtPrintEngine::QtPrintEngine(ReportSettings settings)
    : settings_(std::move(settings)), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  printer_->setFullPage(true);  // the report keeps its own margins
  printer_->setDocName(settings_.JobTitle);
  SetFont("System", 10);
}

QtPrintEngine::~QtPrintEngine() {
  if (painter_ && painter_->isActive()) painter_->end();
}

void QtPrintEngine::SetPdfOutput(const QString& path) {
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setOutputFileName(path);
}

double QtPrintEngine::Dpi() const { return printer_->resolution(); }

double QtPrintEngine::PageWidth() const { return printer_->pageLayout().fullRect(QPageLayout::Inch).width(); }

double QtPrintEngine::PageHeight() const { return printer_->pageLayout().fullRect(QPageLayout::Inch).height(); }

double QtPrintEngine::LineHeight() const { return settings_.LineSpacing * pointSize_ / 72.0; }

bool QtPrintEngine::BeginDocument(QString& error) {
  if (painter_ && painter_->isActive()) return true;
  printer_->setFullPage(true);
  printer_->setDocName(settings_.JobTitle);
  if (printer_->outputFormat() == QPrinter::PdfFormat && printer_->outputFileName().isEmpty()) {
    error = QStringLiteral("No printer is available.");
    return false;
  }
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    painter_.reset();
    error = printer_->outputFormat() == QPrinter::PdfFormat
                ? QStringLiteral("Cannot write %1.").arg(printer_->outputFileName())
                : QStringLiteral("The printer %1 cannot be used.").arg(printer_->printerName());
    return false;
  }
  pagesInDocument_ = 0;
  return true;
}

bool QtPrintEngine::FinishDocument(QString& error) {
  if (!painter_) return true;
  const bool ended = painter_->end();
  painter_.reset();
  if (!ended || printer_->printerState() == QPrinter::Error) {
    error = QStringLiteral("The print job could not be finished.");
    return false;
  }
  return true;
}

bool QtPrintEngine::Execute(const PageEvent& printPage, QString& error) {
  if (!BeginDocument(error)) return false;
  for (int page = 1;; ++page) {
    if (pagesInDocument_ > 0 && !printer_->newPage()) {
      error = QStringLiteral("The printer could not start a new page.");
      FinishDocument(error);
      return false;
    }
    ++pagesInDocument_;
    ++pagesPrinted_;
    if (status_) {
      QString text = settings_.StatusFormat;
      status_(text.replace(QStringLiteral("%p"), QString::number(page)));
    }
    Home();
    if (!printPage(*this)) break;
  }
  if (singleDocument_) return true;
  return FinishDocument(error);
}

void QtPrintEngine::SetFont(const std::string& name, double pointSize) {
  QString family = Decode(name);
  // "System" is the Windows name of the screen font: here it is the
  // platform's general font.
  if (family.isEmpty() || family.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0)
    family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  font_ = QFont(family);
  pointSize_ = pointSize > 0 ? pointSize : 10;
  font_.setPointSizeF(pointSize_);
  font_.setBold(false);
  font_.setItalic(false);
  font_.setUnderline(false);
  font_.setStrikeOut(false);
}

void QtPrintEngine::SetTab(double position, Justify justify, double width, int margin, int borders, int shade) {
  double left = settings_.Margin;
  if (position >= 0) left = position;
  else if (!tabs_.empty()) left = tabs_.back().left + tabs_.back().width;
  tabs_.push_back({left, std::max(width, 0.0), justify, std::max(margin, 0), borders, std::clamp(shade, 0, 100)});
}

void QtPrintEngine::Home() {
  x_ = settings_.Margin;
  y_ = settings_.Margin;
}

void QtPrintEngine::Bold(bool on) { font_.setBold(on); }

void QtPrintEngine::NewLine() {
  x_ = settings_.Margin;
  y_ += LineHeight();
}

void QtPrintEngine::SetTabShade(int percent) { tabShade_ = std::clamp(percent, 0, 100); }

int QtPrintEngine::LinesLeft() const {
  const double room = PageHeight() - settings_.Margin - y_;
  if (room <= 0) return 0;
  return static_cast<int>(std::floor(room / LineHeight() + 1e-9));
}

void QtPrintEngine::PrintCenter(const std::string& text, double position) {
  if (!painter_) return;
  const double dpi = Dpi();
  const double half = PageWidth() * dpi;
  painter_->setFont(font_);
  painter_->setPen(Qt::black);
  painter_->drawText(QRectF(position * dpi - half, y_ * dpi, 2 * half, LineHeight() * dpi),
                     Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, Decode(text));
}

void QtPrintEngine::DrawCell(const Tab& tab, const QString& text) {
  const double dpi = Dpi();
  const QRectF cell(tab.left * dpi, y_ * dpi, tab.width * dpi, LineHeight() * dpi);
  // A shaded row over a shaded column comes out darker than either.
  const int shade = std::min(100, tab.shade + tabShade_);
  if (shade > 0) painter_->fillRect(cell, ShadeColour(shade));
  if (tab.borders) {
    QPen pen(Qt::black);
    pen.setWidthF(dpi / 100.0);
    painter_->setPen(pen);
    if (tab.borders & BorderLeft) painter_->drawLine(cell.topLeft(), cell.bottomLeft());
    if (tab.borders & BorderRight) painter_->drawLine(cell.topRight(), cell.bottomRight());
    if (tab.borders & BorderTop) painter_->drawLine(cell.topLeft(), cell.topRight());
    if (tab.borders & BorderBottom) painter_->drawLine(cell.bottomLeft(), cell.bottomRight());
  }
  if (text.isEmpty()) return;
  const double inner = tab.margin * dpi / 100.0;
  const QRectF room = cell.adjusted(inner, 0, -inner, 0);
  if (room.width() <= 0) return;
  painter_->save();
  painter_->setClipRect(room);
  painter_->setPen(Qt::black);
  painter_->setFont(font_);
  int align = Qt::AlignVCenter | Qt::TextSingleLine;
  // A text wider than its cell keeps its start, as on screen, and is cut at
  // the right; centred it would lose both ends.
  const bool fits = QFontMetricsF(font_, painter_->device()).horizontalAdvance(text) <= room.width();
  align |= !fits || tab.justify == Justify::Left ? Qt::AlignLeft
           : tab.justify == Justify::Right       ? Qt::AlignRight
                                                 : Qt::AlignHCenter;
  painter_->drawText(room, align, text);
  painter_->restore();
}

void QtPrintEngine::PrintTabs(const std::string& text) {
  if (!painter_) return;
  // The text before the first tab, if any, goes at the current position.
  size_t start = 0;
  size_t tab = text.find('\t');
  const std::string lead = text.substr(0, tab);
  if (!lead.empty()) {
    const double dpi = Dpi();
    painter_->setFont(font_);
    painter_->setPen(Qt::black);
    painter_->drawText(QRectF(x_ * dpi, y_ * dpi, (PageWidth() - x_) * dpi, LineHeight() * dpi),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Decode(lead));
  }
  size_t column = 0;
  while (tab != std::string::npos) {
    start = tab + 1;
    tab = text.find('\t', start);
    const std::string piece = text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
    if (column < tabs_.size()) {
      DrawCell(tabs_[column], Decode(piece));
      x_ = tabs_[column].left + tabs_[column].width;
    }
    ++column;
  }
}

void QtPrintEngine::BeforeSetup() {
  // The setup dialog may change the printer: a document still open on the
  // old one is ended first.
  QString ignored;
  FinishDocument(ignored);
}

void QtPrintEngine::AfterSetup() {
  // The dialog works on this engine's own printer; its page size and
  // orientation are read from it at every job. Only the report's own
  // geometry is enforced again.
  printer_->setFullPage(true);
}

bool RunPrintJob(const QString& pdfPath, const std::function<bool(PrintEngine&, QString&)>& body, QString& error) {
  QtPrintEngine engine;
  if (!pdfPath.isEmpty()) {
    engine.SetPdfOutput(pdfPath);
    engine.SetSingleDocument(true);
  } else if (QPrinterInfo::defaultPrinter().isNull()) {
    error = QStringLiteral("No printer is available.");
    return false;
  }
  const bool printed = body(engine, error);
  QString finishError;
  const bool finished = engine.FinishDocument(finishError);
  if (printed && !finished) error = finishError;
  return printed && finished;
}

}  // namespace scv
