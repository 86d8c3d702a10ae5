// Writes the files an installed copy needs besides the program, from the
// program's own code, at build time:
//   scv_package_files icons DIR ID SIZE...      DIR/SIZE/ID.png, the program's picture
//   scv_package_files manpage FILE VERSION DATE the manual page, made from --help
#include <algorithm>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "cli/CommandLine.h"
#include "ui/Glyphs.h"

namespace {

int Fail(const QString& text) {
  std::fprintf(stderr, "scv_package_files: %s\n", text.toLocal8Bit().constData());
  return 1;
}

int WriteIcons(const QStringList& args) {
  if (args.size() < 3) return Fail(QStringLiteral("icons DIR ID SIZE..."));
  for (const QString& sizeText : args.mid(2)) {
    const int size = sizeText.toInt();
    if (size <= 0) return Fail(QStringLiteral("bad size %1").arg(sizeText));
    const QString dir = QDir(args[0]).filePath(sizeText);
    const QString path = QDir(dir).filePath(args[1] + QStringLiteral(".png"));
    if (!QDir().mkpath(dir) || !scv::ProgramImage(size).save(path, "PNG"))
      return Fail(QStringLiteral("cannot write %1").arg(path));
  }
  return 0;
}

// Text for roff: backslashes kept, options' hyphens as minus signs, and a
// line that would start with a control character made plain.
QString Escape(const QString& text) {
  QStringList words = QString(text).replace(QLatin1Char('\\'), QLatin1String("\\e")).split(QLatin1Char(' '));
  for (QString& word : words) {
    const qsizetype dash = word.indexOf(QLatin1Char('-'));
    // "--data-dir" and "(-o", not "comma-separated"
    if (dash >= 0 && (dash == 0 || !word[dash - 1].isLetterOrNumber()))
      word.replace(QLatin1Char('-'), QLatin1String("\\-"));
  }
  QString escaped = words.join(QLatin1Char(' '));
  if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\'')))
    escaped.prepend(QLatin1String("\\&"));
  return escaped;
}

// A command line or an option as the synopsis shows it: the words to type in
// bold, the placeholders (DIR, FILE.QKT) in italics, brackets and bars plain.
QString Term(const QString& text) {
  static const QRegularExpression word(QStringLiteral("[A-Za-z0-9_.-]+"));
  static const QRegularExpression placeholder(QStringLiteral("^[A-Z][A-Z0-9_]*(\\.[A-Za-z]+)?$"));
  QString out;
  qsizetype at = 0;
  for (auto it = word.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    out += Escape(text.mid(at, match.capturedStart() - at));
    const QString font =
        placeholder.match(match.captured()).hasMatch() ? QStringLiteral("\\fI") : QStringLiteral("\\fB");
    out += font + QString(match.captured()).replace(QLatin1Char('-'), QLatin1String("\\-")) +
           QStringLiteral("\\fR");
    at = match.capturedEnd();
  }
  return out + Escape(text.mid(at));
}

qsizetype Indent(const QString& line) {
  qsizetype n = 0;
  while (n < line.size() && line[n] == QLatin1Char(' ')) ++n;
  return n;
}

struct Item {
  QString term;
  QStringList lines;  // the description; lines indented deeper are kept as they are
  QList<bool> verbatim;
};

struct Section {
  QString heading;
  QStringList paragraph;  // a section without items
  QList<Item> items;
};

// The help text is headings at the left margin ("Options:"), each followed
// by indented items: a term two spaces in, its description after a gap of
// two or more spaces or on the lines below, indented further. A section of
// plain lines two spaces in is one paragraph.
QList<Section> ParseHelp(const QString& help) {
  QList<Section> sections;
  QList<QStringList> bodies;
  for (const QString& line : help.split(QLatin1Char('\n'))) {
    if (line.trimmed().isEmpty()) continue;
    if (Indent(line) == 0) {
      const qsizetype colon = line.indexOf(QLatin1Char(':'));
      sections.append(Section{line.left(colon), {}, {}});
      bodies.append(QStringList());
      const QString rest = line.mid(colon + 1).trimmed();
      if (!rest.isEmpty()) sections.back().paragraph << rest;
      continue;
    }
    if (!bodies.isEmpty()) bodies.back() << line;
  }
  static const QRegularExpression gap(QStringLiteral("\\S( {2,})\\S"));
  for (qsizetype s = 0; s < sections.size(); ++s) {
    const QStringList& body = bodies[s];
    const bool list = std::any_of(body.begin(), body.end(), [](const QString& l) { return Indent(l) > 2; });
    if (!list) {
      for (const QString& l : body) sections[s].paragraph << l.trimmed();
      continue;
    }
    qsizetype base = 0;
    for (const QString& l : body) {
      if (Indent(l) == 2) {
        Item item;
        const QRegularExpressionMatch m = gap.match(l);
        if (m.hasMatch()) {
          item.term = l.left(m.capturedStart(1)).trimmed();
          item.lines << l.mid(m.capturedEnd(1));
          item.verbatim << false;
          base = m.capturedEnd(1);
        } else {
          item.term = l.trimmed();
          base = 0;
        }
        sections[s].items.append(item);
      } else if (!sections[s].items.isEmpty()) {
        if (base == 0) base = Indent(l);
        sections[s].items.back().lines << l.mid(qMin(base, Indent(l)));
        sections[s].items.back().verbatim << (Indent(l) > base);
      }
    }
  }
  return sections;
}

void Description(QString& page, const Item& item) {
  bool inVerbatim = false;
  for (qsizetype i = 0; i < item.lines.size(); ++i) {
    if (item.verbatim[i] != inVerbatim) {
      page += item.verbatim[i] ? QStringLiteral(".IP\n.nf\n.in +2n\n") : QStringLiteral(".in\n.fi\n.IP\n");
      inVerbatim = item.verbatim[i];
    }
    page += Escape(inVerbatim ? item.lines[i].trimmed() : item.lines[i]) + QLatin1Char('\n');
  }
  if (inVerbatim) page += QStringLiteral(".in\n.fi\n");
}

int WriteManPage(const QStringList& args) {
  if (args.size() != 3) return Fail(QStringLiteral("manpage FILE VERSION DATE"));
  const QList<Section> sections = ParseHelp(scv::HelpText());
  QString page =
      QStringLiteral(".TH SCORVANE 1 \"%1\" \"Scorvane %2\" \"User Commands\"\n").arg(args[2], args[1]);
  // Long command lines read better ragged than stretched.
  page += QStringLiteral(
      ".SH NAME\n"
      "scorvane \\- record keeper for amateur baseball leagues\n"
      ".nh\n"
      ".ad l\n");
  for (const Section& section : sections) {
    if (section.heading == QLatin1String("Usage")) {
      page += QStringLiteral(".SH SYNOPSIS\n");
      for (const Item& item : section.items) page += Term(item.term) + QStringLiteral("\n.br\n");
      page += QStringLiteral(
          ".SH DESCRIPTION\n"
          "Scorvane keeps the records of amateur baseball leagues: seasons, leagues,\n"
          "teams, players and their season statistics, standings, six statistics\n"
          "tables and the schedule, all kept in small text files in one data\n"
          "directory.\n"
          "Without a command it opens its window, whose Help button describes it;\n"
          "with one of the commands below it runs without a window.\n"
          ".SH COMMANDS\n");
    } else {
      page += QStringLiteral(".SH %1\n").arg(section.heading.toUpper());
    }
    for (const Item& item : section.items) {
      if (item.lines.isEmpty()) continue;  // --help and --version, listed as options
      page += QStringLiteral(".TP\n") + Term(item.term) + QLatin1Char('\n');
      Description(page, item);
    }
    for (const QString& line : section.paragraph) page += Escape(line) + QLatin1Char('\n');
  }
  QFile file(args[0]);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(page.toUtf8()) < 0 ||
      !file.flush())
    return Fail(QStringLiteral("cannot write %1: %2").arg(args[0], file.errorString()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  if (args.value(0) == QLatin1String("icons")) return WriteIcons(args.mid(1));
  if (args.value(0) == QLatin1String("manpage")) return WriteManPage(args.mid(1));
  return Fail(QStringLiteral("icons DIR ID SIZE... | manpage FILE VERSION DATE"));
}
