#pragma once
// The system calls through which every list, note and backup file is read
// and written (store/ListFile.cpp is their one user). The program runs on
// the system's own; a test puts in a layer that fails on purpose (a write
// cut short, a rename refused, a read that fails, a directory gone) to see
// that each save leaves every file whole, old or new.
//
// Windows builds write through QSaveFile instead and have no layer.
//
// Each call behaves as the system call of its name: -1 with errno set on
// failure.
#include <cstddef>

#if !defined(_WIN32)
#include <sys/types.h>

namespace scv {

class FileLayer {
 public:
  virtual ~FileLayer() = default;
  virtual int Open(const char* path, int flags, unsigned mode);
  virtual ssize_t Read(int fd, void* buffer, size_t size);
  virtual ssize_t Write(int fd, const void* data, size_t size);
  // The file's bytes onto the disk.
  virtual int Sync(int fd);
  virtual int Close(int fd);
  // Renames from over to; with noReplace it fails with EEXIST when to
  // exists (and with EINVAL where the file system cannot tell).
  virtual int Rename(const char* from, const char* to, bool noReplace);
  virtual int Unlink(const char* path);
  // Every file written so far on the file system of the directory dirFd
  // onto the disk.
  virtual int SyncFileSystem(int dirFd);
};

// The layer in use: the system's unless a test has set another.
FileLayer& Files();
// Puts layer in place (nullptr: the system's again).
void SetFileLayer(FileLayer* layer);

}  // namespace scv

#endif
