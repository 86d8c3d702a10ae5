#pragma once
// A file layer that fails on purpose while it is in place: the files whose
// path holds a given text get the fault, every other file is read and
// written as always.
#include <map>
#include <string>
#include <vector>

#include <QString>

#include "store/FileLayer.h"

namespace scv::test {

class FailingFiles : public FileLayer {
 public:
  enum Fault {
    WriteCutShort,  // the disk fills after `room` bytes of the file
    SyncFails,      // the bytes cannot be forced onto the disk (nor any file's)
    CloseFails,     // the file system reports the failed write on closing
    RenameFails,    // the new file cannot take the old one's name
    DirectoryGone,  // the directory disappears just before the rename
    ReadFails,      // reading the file fails part-way
  };
  // Puts the layer in place; the destructor puts the system's back.
  FailingFiles(Fault fault, std::string pathPart, size_t room = 0);
  ~FailingFiles() override;
  FailingFiles(const FailingFiles&) = delete;
  FailingFiles& operator=(const FailingFiles&) = delete;

  Fault fault;
  std::string pathPart;
  size_t room;
  bool armed = true;  // false: nothing fails
  int failures = 0;   // calls made to fail
  // The directory that disappeared (renamed away), and where it went.
  std::string goneDir, goneTo;
  // Brings back the directory that disappeared.
  void RestoreDirectory();

  // The reason the error message gives for the fault.
  static QString Reason(Fault fault);
  // Every fault a save can meet, for tests to walk.
  static const std::vector<Fault>& SaveFaults();
  static const char* Name(Fault fault);

  int Open(const char* path, int flags, unsigned mode) override;
  ssize_t Read(int fd, void* buffer, size_t size) override;
  ssize_t Write(int fd, const void* data, size_t size) override;
  int Sync(int fd) override;
  int Close(int fd) override;
  int SyncFileSystem(int dirFd) override;
  int Rename(const char* from, const char* to, bool noReplace) override;

 private:
  std::map<int, size_t> written_;  // open files of the fault: bytes written
  bool Hit(const char* path) const;
  bool Hit(int fd) const { return armed && written_.count(fd) > 0; }
};

}  // namespace scv::test
