#include "backup/Backup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/ListFile.h"
#include "store/Messages.h"

namespace scv {

namespace {

// The file list's mask: *.Years;*.Leagues;*.Teams;*.Players;*.Games;*.Fields;
// *.Umpires;*.Times;*.Notes
const char* const kSuffixes[] = {".Years",  ".Leagues", ".Teams", ".Players", ".Games",
                                 ".Fields", ".Umpires", ".Times", ".Notes"};

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

// The absolute path with every symbolic link resolved, also for a path that
// does not exist yet: the longest existing part is resolved and the rest
// appended as it stands.
QString ResolvedPath(const QString& path) {
  QString absolute = QDir::cleanPath(QDir(path).absolutePath());
  QString rest;
  QString existing = absolute;
  while (!QFileInfo::exists(existing)) {
    const qsizetype slash = existing.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return absolute;
    rest.prepend(existing.mid(slash));
    existing = slash == 0 ? QStringLiteral("/") : existing.left(slash);
    if (existing == QLatin1String("/") && !QFileInfo::exists(existing)) return absolute;
  }
  QString canonical = QFileInfo(existing).canonicalFilePath();
  if (canonical.isEmpty()) canonical = existing;
  if (canonical.endsWith(QLatin1Char('/')) && rest.startsWith(QLatin1Char('/'))) canonical.chop(1);
  return QDir::cleanPath(canonical + rest);
}

bool IsSameOrInside(const QString& path, const QString& dir) {
  if (path.compare(dir, kPathCase) == 0) return true;
  const QString prefix = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
  return path.startsWith(prefix, kPathCase);
}

// Makes the destination directory; the system's reason on failure.
bool MakeDirectory(const QString& dir, QString& reason) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(dir).toStdString()), ec);
  if (!ec && QFileInfo(dir).isDir()) return true;
  reason = ec ? QString::fromLocal8Bit(ec.message().c_str()) : QStringLiteral("it cannot be created");
  return false;
}

}  // namespace

bool IsBackupFileName(const QString& name) {
  for (const char* suffix : kSuffixes) {
    const QLatin1String s(suffix);
    if (name.size() > s.size() && name.endsWith(s, Qt::CaseInsensitive)) return true;
  }
  return false;
}

QStringList BackupFileNames(const QString& dataDir) {
  QStringList names;
  if (dataDir.isEmpty()) return names;
  const QDir dir(dataDir);
  if (!dir.exists()) return names;
  // Regular files only (and links to them): no directories, no devices.
  for (const QString& name : dir.entryList(QDir::Files | QDir::NoDotAndDotDot)) {
    if (IsBackupFileName(name)) names.append(name);
  }
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  return names;
}

QString CheckBackupDestination(const QString& dataDir, const QString& destDir) {
  if (destDir.trimmed().isEmpty()) return QStringLiteral("Choose a directory to back up to.");
  const QString dest = ResolvedPath(destDir);
  const QString data = ResolvedPath(dataDir);
  if (IsSameOrInside(dest, data)) {
    return QStringLiteral(
               "Cannot back up to %1: it is the data directory or a directory inside it. "
               "Choose a directory outside %2.")
        .arg(Native(QDir::cleanPath(QDir(destDir).absolutePath())), Native(data));
  }
  const QFileInfo info(destDir);
  if (info.exists() && !info.isDir())
    return QStringLiteral("Cannot back up to %1: it is not a directory.").arg(Native(destDir));
  return QString();
}

bool CopyBackupFiles(const QString& dataDir, const QString& destDir, const QStringList& names,
                     Messages& messages, const std::function<void(int)>& onFile, int* copied) {
  int count = 0;
  if (copied) *copied = 0;
  const QDir source(dataDir);
  const QDir target(destDir);
  auto stopped = [&](const QString& text) {
    messages.Error(text + QStringLiteral("\nThe backup stopped there: %1 of %2 files were copied.")
                              .arg(count)
                              .arg(names.size()));
    return false;
  };

  if (!names.isEmpty() && !QFileInfo(destDir).isDir()) {
    QString reason;
    if (!MakeDirectory(destDir, reason))
      return stopped(QStringLiteral("Could not create the directory %1: %2").arg(Native(destDir), reason));
  }

  for (qsizetype i = 0; i < names.size(); ++i) {
    const QString& name = names[i];
    if (onFile) onFile(static_cast<int>(i));
    const QString from = source.filePath(name);
    List lines;
    QString error;
    switch (ReadListFile(from, lines, error)) {
      case ReadResult::Missing:
        continue;  // gone since the directory was listed: no longer a data file
      case ReadResult::Failed:
        return stopped(QStringLiteral("Could not read %1: %2").arg(Native(from), error));
      case ReadResult::Read:
        break;
    }
    const QString to = target.filePath(name);
    if (!WriteListFile(to, lines, error))
      return stopped(QStringLiteral("Could not write %1: %2").arg(Native(to), error));
    ++count;
    if (copied) *copied = count;
  }
  return true;
}

int RunBackupCommand(const QString& dataDir, const QString& destDir, Messages& messages) {
  if (!QFileInfo(dataDir).isDir()) {
    messages.Error(QStringLiteral("The data directory %1 does not exist").arg(Native(dataDir)));
    return 1;
  }
  const QString refusal = CheckBackupDestination(dataDir, destDir);
  if (!refusal.isEmpty()) {
    messages.Error(refusal);
    return 1;
  }
  const QStringList names = BackupFileNames(dataDir);
  if (!QFileInfo(destDir).isDir()) {
    QString reason;
    if (!MakeDirectory(destDir, reason)) {
      messages.Error(QStringLiteral("Could not create the directory %1: %2").arg(Native(destDir), reason));
      return 1;
    }
  }
  return CopyBackupFiles(dataDir, destDir, names, messages) ? 0 : 1;
}

}  // namespace scv
