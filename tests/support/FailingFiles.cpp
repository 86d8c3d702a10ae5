#include "support/FailingFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace scv::test {

FailingFiles::FailingFiles(Fault fault_, std::string pathPart_, size_t room_)
    : fault(fault_), pathPart(std::move(pathPart_)), room(room_) {
  SetFileLayer(this);
}

FailingFiles::~FailingFiles() {
  SetFileLayer(nullptr);
  RestoreDirectory();
}

void FailingFiles::RestoreDirectory() {
  if (goneDir.empty()) return;
  std::rename(goneTo.c_str(), goneDir.c_str());
  goneDir.clear();
}

QString FailingFiles::Reason(Fault f) {
  switch (f) {
    case WriteCutShort:
      return QString::fromLocal8Bit(std::strerror(ENOSPC));
    case DirectoryGone:
      return QStringLiteral("does not exist");
    default:
      return QString::fromLocal8Bit(std::strerror(EIO));
  }
}

const std::vector<FailingFiles::Fault>& FailingFiles::SaveFaults() {
  static const std::vector<Fault> faults = {WriteCutShort, SyncFails, CloseFails, RenameFails, DirectoryGone};
  return faults;
}

const char* FailingFiles::Name(Fault f) {
  static const char* const names[] = {"write cut short", "sync fails",     "close fails",
                                      "rename fails",    "directory gone", "read fails"};
  return names[f];
}

bool FailingFiles::Hit(const char* path) const {
  return armed && std::string_view(path).find(pathPart) != std::string_view::npos;
}

int FailingFiles::Open(const char* path, int flags, unsigned mode) {
  const int fd = FileLayer::Open(path, flags, mode);
  if (fd >= 0) {
    written_.erase(fd);
    if (Hit(path)) written_[fd] = 0;
  }
  return fd;
}

ssize_t FailingFiles::Read(int fd, void* buffer, size_t size) {
  if (fault == ReadFails && Hit(fd)) {
    ++failures;
    errno = EIO;
    return -1;
  }
  return FileLayer::Read(fd, buffer, size);
}

ssize_t FailingFiles::Write(int fd, const void* data, size_t size) {
  if (fault == WriteCutShort && Hit(fd)) {
    size_t& done = written_[fd];
    if (done >= room) {
      ++failures;
      errno = ENOSPC;
      return -1;
    }
    size = std::min(size, room - done);
    const ssize_t n = FileLayer::Write(fd, data, size);
    if (n > 0) done += static_cast<size_t>(n);
    return n;
  }
  return FileLayer::Write(fd, data, size);
}

int FailingFiles::Sync(int fd) {
  if (fault == SyncFails && Hit(fd)) {
    ++failures;
    errno = EIO;
    return -1;
  }
  return FileLayer::Sync(fd);
}

int FailingFiles::SyncFileSystem(int dirFd) {
  // The whole file system holds the file of the fault.
  if (fault == SyncFails && armed) {
    ++failures;
    errno = EIO;
    return -1;
  }
  return FileLayer::SyncFileSystem(dirFd);
}

int FailingFiles::Close(int fd) {
  const bool fail = fault == CloseFails && Hit(fd);
  written_.erase(fd);
  const int result = FileLayer::Close(fd);
  if (!fail) return result;
  ++failures;
  errno = EIO;
  return -1;
}

int FailingFiles::Rename(const char* from, const char* to, bool noReplace) {
  if (fault == RenameFails && Hit(to)) {
    ++failures;
    errno = EIO;
    return -1;
  }
  if (fault == DirectoryGone && Hit(to) && goneDir.empty()) {
    ++failures;
    const std::string path(to);
    goneDir = path.substr(0, path.rfind('/'));
    goneTo = goneDir + ".gone";
    std::rename(goneDir.c_str(), goneTo.c_str());
  }
  return FileLayer::Rename(from, to, noReplace);
}

}  // namespace scv::test
