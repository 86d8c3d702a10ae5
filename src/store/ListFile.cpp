#include "store/ListFile.h"

#include <algorithm>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "store/FileLayer.h"
#else
#include <QSaveFile>
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

bool WriteListFile(const QString& path, const List& lines, QString& error, FileSync sync, bool* deferred) {
  return WriteFileBytes(path, JoinLines(lines), error, sync, deferred);
}

#if !defined(_WIN32)

namespace {

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QByteArray DirectoryOf(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

bool IsDirectory(const QByteArray& path) {
  struct stat st {};
  return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Why a file of path cannot be reached when the system says there is no
// such file: its directory has gone (a removed or unmounted drive), or the
// file alone is missing (an empty text then).
QString MissingReason(const QByteArray& path) {
  const QByteArray dir = DirectoryOf(path);
  if (IsDirectory(dir)) return QString();
  return QStringLiteral("the directory %1 does not exist")
      .arg(QDir::toNativeSeparators(QFile::decodeName(dir)));
}

bool Failed(QString& error, const QString& reason) {
  error = reason;
  return false;
}

}  // namespace

ReadResult ReadFileBytes(const QString& path, std::string& bytes, QString& error) {
  FileLayer& files = Files();
  const QByteArray name = QFile::encodeName(path);
  // Not blocking: a pipe under a list's name must not hang the program.
  const int fd = files.Open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
  if (fd < 0) {
    const int e = errno;
    // A list whose directory has gone is not an empty list: saved later, it
    // would replace the real one when the directory is back.
    if (e == ENOENT && (error = MissingReason(name)).isEmpty()) return ReadResult::Missing;
    if (e != ENOENT) error = Reason(e);
    return ReadResult::Failed;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = S_ISDIR(st.st_mode) ? Reason(EISDIR) : QStringLiteral("it is not a regular file");
    files.Close(fd);
    return ReadResult::Failed;
  }
  // One byte more than the file holds, so that its end is seen without the
  // buffer growing (a copy of the whole file: a QKT file has megabytes).
  std::string data(static_cast<size_t>(std::max<off_t>(st.st_size, 0)) + 1, '\0');
  size_t got = 0;
  for (;;) {
    if (got == data.size()) data.resize(data.size() + 65536);  // grown since fstat
    const ssize_t n = files.Read(fd, data.data() + got, data.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = Reason(errno);
      files.Close(fd);
      return ReadResult::Failed;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  files.Close(fd);
  data.resize(got);
  bytes = std::move(data);
  return ReadResult::Read;
}

bool WriteFileBytes(const QString& path, const std::string& bytes, QString& error, FileSync sync,
                    bool* deferred) {
  if (deferred) *deferred = false;
  FileLayer& files = Files();
  QByteArray target = QFile::encodeName(path);
  struct stat st {};
  bool exists = ::lstat(target.constData(), &st) == 0;
  if (exists && S_ISLNK(st.st_mode)) {
    // A link is written through: the file it names is replaced.
    target = QFile::encodeName(QFileInfo(path).symLinkTarget());
    exists = ::stat(target.constData(), &st) == 0;
  }
  // Nothing but a regular file is replaced: a link to a device or a pipe
  // would otherwise put a file in the device's place.
  if (exists && !S_ISREG(st.st_mode))
    return Failed(error, S_ISDIR(st.st_mode) ? Reason(EISDIR) : QStringLiteral("it is not a regular file"));
  // A file the user made read-only is left alone.
  if (exists && ::access(target.constData(), W_OK) != 0) return Failed(error, Reason(errno));

  const QByteArray temporary = target + ".new";
  const int flags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
  int fd = files.Open(temporary.constData(), flags, 0666);
  if (fd < 0 && errno == EEXIST) {  // left by a save that was cut off
    files.Unlink(temporary.constData());
    fd = files.Open(temporary.constData(), flags, 0666);
  }
  if (fd < 0) {
    const int e = errno;
    const QString gone = e == ENOENT ? MissingReason(target) : QString();
    return Failed(error, gone.isEmpty() ? Reason(e) : gone);
  }
  if (exists) ::fchmod(fd, st.st_mode & 07777);

  // A new file may take its name unsynced (see FileSync::Deferred).
  const bool unsynced = sync == FileSync::Deferred && !exists;
  int failure = 0;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = files.Write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failure = n < 0 ? errno : ENOSPC;
      break;
    }
    done += static_cast<size_t>(n);
  }
  if (failure == 0 && !unsynced && files.Sync(fd) != 0) failure = errno;
  // Some file systems report a failed write only here.
  if (files.Close(fd) != 0 && failure == 0 && errno != EINTR) failure = errno;

  if (failure == 0 && unsynced) {
    if (files.Rename(temporary.constData(), target.constData(), true) == 0) {
      if (deferred) *deferred = true;
      return true;
    }
    failure = errno;
    if (failure == EEXIST || failure == EINVAL || failure == ENOSYS) {
      // The name was taken meanwhile, or the file system cannot tell: the
      // file replaces another, so it reaches the disk first.
      failure = 0;
      fd = files.Open(temporary.constData(), O_RDONLY | O_CLOEXEC, 0);
      if (fd < 0 || files.Sync(fd) != 0) failure = errno;
      if (fd >= 0) files.Close(fd);
    }
  }
  if (failure == 0 && files.Rename(temporary.constData(), target.constData(), false) == 0) return true;
  if (failure == 0) failure = errno;
  files.Unlink(temporary.constData());
  const QString gone = failure == ENOENT ? MissingReason(target) : QString();
  return Failed(error, gone.isEmpty() ? Reason(failure) : gone);
}

bool SyncFiles(const QString& dir, QString& error) {
  FileLayer& files = Files();
  // One flush of the whole file system costs about what one file's did.
  const int fd = files.Open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0 || files.SyncFileSystem(fd) != 0) {
    error = Reason(errno);
    if (fd >= 0) files.Close(fd);
    return false;
  }
  files.Close(fd);
  return true;
}

#else  // Windows: QSaveFile, and no file layer.

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

bool WriteFileBytes(const QString& path, const std::string& bytes, QString& error, FileSync, bool* deferred) {
  if (deferred) *deferred = false;
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
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

bool SyncFiles(const QString&, QString&) { return true; }

#endif

}  // namespace scv
