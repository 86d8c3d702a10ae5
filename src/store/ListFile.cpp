#include "store/ListFile.h"

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

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

namespace {

#if defined(Q_OS_LINUX)
enum class NewFile { Written, Exists, Failed };

// A new file written whole under a temporary name and renamed, unsynced, in
// as few calls to the system as it takes: thousands of them are written in
// a row. Exists when the path names a file already (or the file system
// cannot tell without replacing it): that one is written the safe way.
NewFile WriteNewFile(const QString& path, const std::string& bytes, QString& error) {
  const QByteArray target = QFile::encodeName(path);
  const QByteArray temporary = target + ".new";
  int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0 && errno == ENOENT) {
    const QDir dir = QFileInfo(path).absoluteDir();
    if (QDir().mkpath(dir.absolutePath()))
      fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  }
  if (fd < 0) {
    error = QString::fromLocal8Bit(std::strerror(errno));
    return NewFile::Failed;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const int writeErrno = done == bytes.size() ? 0 : (errno ? errno : ENOSPC);
  if (::close(fd) != 0 && writeErrno == 0 && errno != EINTR) {
    error = QString::fromLocal8Bit(std::strerror(errno));
    ::unlink(temporary.constData());
    return NewFile::Failed;
  }
  if (writeErrno != 0) {
    error = QString::fromLocal8Bit(std::strerror(writeErrno));
    ::unlink(temporary.constData());
    return NewFile::Failed;
  }
  if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
    return NewFile::Written;
  const int renameErrno = errno;
  ::unlink(temporary.constData());
  if (renameErrno == EEXIST || renameErrno == EINVAL || renameErrno == ENOSYS) return NewFile::Exists;
  error = QString::fromLocal8Bit(std::strerror(renameErrno));
  return NewFile::Failed;
}
#endif

}  // namespace

bool WriteListFile(const QString& path, const List& lines, QString& error, FileSync sync, bool* deferred) {
  return WriteFileBytes(path, JoinLines(lines), error, sync, deferred);
}

bool WriteFileBytes(const QString& path, const std::string& bytes, QString& error, FileSync sync, bool* deferred) {
  if (deferred) *deferred = false;
#if defined(Q_OS_LINUX)
  if (sync == FileSync::Deferred) {
    switch (WriteNewFile(path, bytes, error)) {
      case NewFile::Written:
        if (deferred) *deferred = true;
        return true;
      case NewFile::Failed:
        return false;
      case NewFile::Exists:
        break;
    }
  }
#else
  (void)sync;
#endif
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

bool SyncFiles(const QString& dir, QString& error) {
#if defined(Q_OS_LINUX)
  // One flush of the whole file system costs about what one file's did.
  const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 || ::syncfs(fd) != 0) {
    error = QString::fromLocal8Bit(std::strerror(errno));
    if (fd >= 0) ::close(fd);
    return false;
  }
  ::close(fd);
#else
  (void)dir;
  (void)error;
#endif
  return true;
}

}  // namespace scv
