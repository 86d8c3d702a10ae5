#pragma once
// The program without a window: option parsing and the commands.
#include <QString>
#include <QStringList>

#include "print/PrintCommand.h"

namespace scv {

struct StartOptions {
  QString dataDir;    // empty: the default data directory
  bool demo = false;  // --demo: the demo league in its own directory
  // How the print command reaches a printer or a PDF file; without it the
  // command fails.
  PrintRunner printRunner;
};

// The text of --help; with dataDir it also says where this copy keeps its
// data files without --data-dir.
QString HelpText(const QString& dataDir = QString());

// Whether the arguments name a command that needs the graphical
// application (print: fonts and the printing system).
bool CommandNeedsGui(const QStringList& args);

// Parses the arguments (without the program name). Returns -1 when the
// desktop program should start, with options filled; otherwise runs the
// command (or prints help, version or a usage error) and returns the exit
// status: 0 success, 1 refusal or error, 2 bad usage.
// programDir is the directory of the program file.
int RunCommandLine(const QStringList& args, const QString& programDir, StartOptions& options);

// The data directory the options name (--data-dir, --demo, or the default),
// seeding the demo league when asked.
QString ResolveDataDir(const StartOptions& options, const QString& programDir, QString& error);

}  // namespace scv
