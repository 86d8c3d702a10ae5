#include "store/FileLayer.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace scv {

namespace {
FileLayer systemLayer;
FileLayer* layerInUse = &systemLayer;
}  // namespace

FileLayer& Files() { return *layerInUse; }

void SetFileLayer(FileLayer* layer) { layerInUse = layer ? layer : &systemLayer; }

int FileLayer::Open(const char* path, int flags, unsigned mode) {
  return ::open(path, flags, static_cast<mode_t>(mode));
}

ssize_t FileLayer::Read(int fd, void* buffer, size_t size) { return ::read(fd, buffer, size); }

ssize_t FileLayer::Write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }

int FileLayer::Sync(int fd) {
#if defined(__linux__)
  return ::fdatasync(fd);
#else
  return ::fsync(fd);
#endif
}

int FileLayer::Close(int fd) { return ::close(fd); }

int FileLayer::Rename(const char* from, const char* to, bool noReplace) {
  if (!noReplace) return ::rename(from, to);
#if defined(__linux__)
  return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
#else
  errno = EINVAL;
  return -1;
#endif
}

int FileLayer::Unlink(const char* path) { return ::unlink(path); }

int FileLayer::SyncFileSystem(int dirFd) {
#if defined(__linux__)
  return ::syncfs(dirFd);
#else
  (void)dirFd;
  ::sync();
  return 0;
#endif
}

}  // namespace scv

#endif
