// A user's file is written whole or not at all, and read only when it is a regular file, bounded.
#include <gtest/gtest.h>

#include <cerrno>

#include "document/files.h"
#include "support/memory_file_system.h"

namespace {

using document::Code;
using testsupport::MemoryFileSystem;

// Every way a write can fail leaves the old file byte for byte and nothing beside it.
TEST(Files, WholeWritesOrNone) {
  struct Row {
    const char* name;
    void (*fault)(MemoryFileSystem&);
    std::optional<Code> refused;
  };
  const Row rows[] = {
      {"Written", [](MemoryFileSystem&) {}, std::nullopt},
      {"DiskFillsMidWrite", [](MemoryFileSystem& fs) { fs.room = 10; }, Code::diskFull},
      {"DiskAlreadyFull", [](MemoryFileSystem& fs) { fs.room = 0; }, Code::diskFull},
      {"FlushFails", [](MemoryFileSystem& fs) { fs.flushError = EIO; }, Code::ioError},
      {"FlushFindsTheDiskFull", [](MemoryFileSystem& fs) { fs.flushError = ENOSPC; },
       Code::diskFull},
      {"RenameRefused", [](MemoryFileSystem& fs) { fs.renameError = EACCES; }, Code::noPermission},
      {"APipeInItsPlace",
       [](MemoryFileSystem& fs) { fs.files["/d/a.torvale"].kind = document::FileKind::other; },
       Code::notRegular},
      {"AFolderInItsPlace",
       [](MemoryFileSystem& fs) {
         fs.files.erase("/d/a.torvale");
         fs.folders.insert("/d/a.torvale");
       },
       Code::isDirectory},
  };
  for (const Row& r : rows) {
    MemoryFileSystem fs;
    fs.files["/d/a.torvale"].bytes = "old design";
    r.fault(fs);
    const std::string before =
        fs.files.contains("/d/a.torvale") ? fs.files["/d/a.torvale"].bytes : "";
    const auto paths = fs.paths();
    const document::Refused why = document::writeFile(fs, "/d/a.torvale", "the new design, whole");
    EXPECT_EQ(why ? std::optional(why->code) : std::nullopt, r.refused) << r.name;
    EXPECT_EQ(fs.paths(), paths) << r.name;  // no part-written file left beside it
    if (fs.folders.contains("/d/a.torvale")) continue;
    EXPECT_EQ(fs.files["/d/a.torvale"].bytes,
              r.refused ? before : std::string("the new design, whole"))
        << r.name;
  }
}

// Only a regular file is read, and at most one byte past the limit; nothing is read of a pipe
// or a device, which could wait or go on for ever.
TEST(Files, ReadsRegularFilesBounded) {
  struct Row {
    const char* name;
    const char* path;
    std::optional<Code> refused;
    std::size_t bytes;
  };
  const Row rows[] = {
      {"Small", "/d/small", std::nullopt, 5},
      {"OverTheLimit", "/d/large", std::nullopt, 9},  // the reader then refuses it as too large
      {"Pipe", "/d/pipe", Code::notRegular, 0},
      {"Folder", "/d", Code::isDirectory, 0},
      {"Missing", "/d/none", Code::notFound, 0},
  };
  for (const Row& r : rows) {
    MemoryFileSystem fs;
    fs.folders.insert("/d");
    fs.files["/d/small"].bytes = "small";
    fs.files["/d/large"].bytes = std::string(100, 'x');
    fs.files["/d/pipe"] = {std::string(100, 'x'), document::FileKind::other, 0};
    const auto read = document::readFile(fs, r.path, 8);
    const auto* why = std::get_if<document::Refusal>(&read);
    EXPECT_EQ(why ? std::optional(why->code) : std::nullopt, r.refused) << r.name;
    EXPECT_EQ(fs.reads, r.bytes) << r.name;
  }
}

}  // namespace
