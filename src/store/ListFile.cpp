#include "store/ListFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace scv {

List SplitLines(const std::string& bytes) {
  List lines;
  size_t start = 0;
  const size_t n = bytes.size();
  for (size_t i = 0; i < n; ++i) {
    char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(bytes, start, i - start);
    if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.emplace_back(bytes, start, n - start);
  return lines;
}

std::string JoinLines(const List& lines) {
  size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& l : lines) {
    out.append(l);
    out.append("\r\n");
  }
  return out;
}

ReadResult ReadListFile(const QString& path, List& lines, QString& error) {
  std::string bytes;
  const ReadResult result = ReadFileBytes(path, bytes, error);
  if (result == ReadResult::Read) lines = SplitLines(bytes);
  return result;
}

ReadResult ReadFileBytes(const QString& path, std::string& bytes, QString& error) {
  QFileInfo info(path);
  if (!info.exists()) return ReadResult::Missing;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return ReadResult::Failed;
  }
  QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    error = file.errorString();
    return ReadResult::Failed;
  }
  bytes.assign(data.constData(), static_cast<size_t>(data.size()));
  return ReadResult::Read;
}

bool WriteListFile(const QString& path, const List& lines, QString& error) {
  return WriteFileBytes(path, JoinLines(lines), error);
}

bool WriteFileBytes(const QString& path, const std::string& bytes, QString& error) {
  QFileInfo info(path);
  QDir dir = info.absoluteDir();
  if (!dir.exists() && !QDir().mkpath(dir.absolutePath())) {
    error = QStringLiteral("the directory %1 cannot be created").arg(QDir::toNativeSeparators(dir.absolutePath()));
    return false;
  }
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  // commit() does not see a failure of the last buffered write (a full disk),
  // so the data is flushed and checked before the rename.
  if (written != static_cast<qint64>(bytes.size()) || !file.flush()) {
    error = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace scv
