#pragma once
// The command line's print: the table a tab shows, printed as the Print
// command prints it, to the default printer or into a PDF file.
#include <functional>
#include <string>

#include <QString>

#include "print/PrintEngine.h"
#include "print/TablePrint.h"

namespace scv {

class Grid;

// Runs body on a print engine that prints into the PDF file pdfPath, or to
// the default printer when pdfPath is empty, and finishes the output. The
// window layer provides it (the engine needs the printing system).
using PrintRunner = std::function<bool(const QString& pdfPath,
                                       const std::function<bool(PrintEngine&, QString&)>& body, QString& error)>;

// --lines none|horizontal|vertical|both, --shading none|rows|columns|both,
// --copies 1 to 99; an empty text is an option not given. Returns the
// usage error, or an empty text.
QString ParsePrintOptions(const QString& lines, const QString& shading, const QString& copies,
                          TablePrintOptions& options);

// Prints the grid; a failure is reported on standard error. Returns the
// exit status: 0 printed, 1 not.
int PrintTableCommand(const Grid& grid, const PrintFont& font, const std::string& caption,
                      const TablePrintOptions& options, const QString& pdfPath, const PrintRunner& runner);

}  // namespace scv
