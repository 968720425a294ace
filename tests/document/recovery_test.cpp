// One recovery file per running copy: a start offers only the files of copies no longer running,
// newest first, and never touches a running copy's file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/disk.h"
#include "document/recovery.h"
#include "support/memory_file_system.h"

namespace {

std::string design(const char* source) {
  workspace::Workspace w;
  EXPECT_FALSE(w.add({{psychro::Quantity::t, psychro::Quantity::rh}, "25", "50"}));
  return workspace::recoveryText(w, source);
}

std::vector<std::string> sources(document::Recovery& r) {
  std::vector<std::string> found;
  for (const document::LeftOver& f : r.leftOvers()) {
    auto read = r.read(f);
    found.push_back(std::holds_alternative<workspace::Recovered>(read)
                        ? std::get<workspace::Recovered>(read).source
                        : "unreadable");
  }
  return found;
}

// Two copies run (a, b); c starts and sees neither; a ends without saving (a crash), b saves; d
// starts and is offered a's work alone, and while d holds it, e sees nothing; declined, it goes.
TEST(Recovery, OnePerRunningCopy) {
  testsupport::MemoryFileSystem fs;
  auto a = std::make_unique<document::Recovery>(fs, "/r", "a");
  document::Recovery b(fs, "/r", "b");
  ASSERT_FALSE(a->keep(design("/d/a.torvale")));
  ASSERT_FALSE(b.keep(design("/d/b.torvale")));
  EXPECT_NE(a->path(), b.path());
  document::Recovery c(fs, "/r", "c");
  EXPECT_TRUE(c.leftOvers().empty());
  a.reset();  // its lock goes with it, as with the process
  b.discard();
  document::Recovery d(fs, "/r", "d");
  EXPECT_EQ(sources(d), std::vector<std::string>{"/d/a.torvale"});
  document::Recovery e(fs, "/r", "e");
  EXPECT_TRUE(e.leftOvers().empty());
  d.remove(d.leftOvers().front());
  d.letGo();
  EXPECT_TRUE(e.leftOvers().empty());
  EXPECT_TRUE(fs.list("/r").empty());
}

// Several left: newest first; those not taken stay for a later start.
TEST(Recovery, SeveralLeftNewestFirst) {
  testsupport::MemoryFileSystem fs;
  for (const char* name : {"old", "new"}) {
    document::Recovery crashed(fs, "/r", name);
    ASSERT_FALSE(crashed.keep(design(name)));
  }
  fs.files["/r/recovery-bad.torvale"] = {"{\"format\":", document::FileKind::regular, 1};
  {
    document::Recovery start(fs, "/r", "start");
    EXPECT_EQ(sources(start), (std::vector<std::string>{"new", "old", "unreadable"}));
    start.remove(start.leftOvers().front());
  }
  document::Recovery later(fs, "/r", "later");
  EXPECT_EQ(sources(later), (std::vector<std::string>{"old", "unreadable"}));
}

// On the disk the lock is the kernel's: a copy's file is offered once the copy has let it go,
// and a recovery file that is a link to a device is refused unread.
TEST(Recovery, LocksOnTheDisk) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("torvale-recovery-" + document::instanceName());
  document::Disk disk;
  {
    auto running = std::make_unique<document::Recovery>(disk, folder.string(), "running");
    ASSERT_FALSE(running->keep(design("/d/a.torvale")));
    document::Recovery start(disk, folder.string(), "start");
    EXPECT_TRUE(start.leftOvers().empty());
    running.reset();
    EXPECT_EQ(sources(start), std::vector<std::string>{"/d/a.torvale"});
  }
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::filesystem::create_symlink("/dev/zero", folder / "recovery-zero.torvale");
  document::Recovery start(disk, folder.string(), "start");
  const auto left = start.leftOvers();
  ASSERT_EQ(left.size(), 1u);
  const auto read = start.read(left.front());
  ASSERT_TRUE(std::holds_alternative<document::Refusal>(read));
  EXPECT_EQ(std::get<document::Refusal>(read).code, document::Code::notRegular);
  std::filesystem::remove_all(folder);
}

}  // namespace
