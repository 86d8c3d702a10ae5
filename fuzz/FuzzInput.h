#pragma once
// What the fuzz targets share: an input cut into the files it stands for,
// and one data directory for a whole run, emptied before each input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QDir>
#include <QFile>
#include <QString>

#include "store/ListFile.h"
#include "support/TempData.h"

namespace scv::fuzz {

// A property every input must keep: a crash for the fuzzer when it does not.
inline void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// The input cut at each line "@@@" into at most n parts (the last part
// keeps any further marks); parts the input lacks are empty. Seed files are
// text, one file after the other.
inline std::vector<std::string> Parts(const uint8_t* data, size_t size, size_t n) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parts;
  while (parts.size() + 1 < n) {
    const size_t mark = rest.find("@@@\n");
    if (mark == std::string_view::npos) break;
    parts.emplace_back(rest.substr(0, mark));
    rest.remove_prefix(mark + 4);
  }
  parts.emplace_back(rest);
  parts.resize(n);
  return parts;
}

// One of the two directories of the run, emptied.
inline test::TempData& EmptyDir(int which = 0) {
  static test::TempData* dirs = new test::TempData[2];
  test::TempData* data = &dirs[which];
  QDir dir(data->Dir());
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) dir.remove(name);
  return *data;
}

// Writes bytes as they stand under name in the directory.
inline void Put(const test::TempData& data, const std::string& name, const std::string& bytes) {
  QFile file(data.Path(name));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0)
    __builtin_trap();
}

}  // namespace scv::fuzz
