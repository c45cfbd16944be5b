#include "base/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"

namespace oskel {
namespace {

mode_t modeOf(const files::Path& p) {
  struct stat st{};
  ::stat(p.c_str(), &st);
  return st.st_mode & 0777;
}

TEST(Files, AtomicWriteReplacesOwnerOnlyAndLeavesNoTemporaryFiles) {
  testing::TempDir dir;
  const auto file = dir.path() / "clips.json";
  ::umask(022);
  ASSERT_TRUE(files::writeAtomically(file, "first"));
  ASSERT_TRUE(files::writeAtomically(file, std::string("sec\0nd", 6)));
  EXPECT_EQ(files::read(file), std::string("sec\0nd", 6));
  EXPECT_EQ(modeOf(file), 0600u);
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.is_regular_file();
  EXPECT_EQ(entries, 1);
  // A directory that does not exist: failure, nothing created.
  EXPECT_FALSE(files::writeAtomically(dir.path() / "missing" / "x", "y"));
  EXPECT_FALSE(files::exists(dir.path() / "missing"));
}

TEST(Files, DirectoriesAreCreatedOwnerOnlyWithTheirParents) {
  testing::TempDir dir;
  const auto nested = dir.path() / "a" / "b" / "Images";
  ASSERT_TRUE(files::createDirectories(nested));
  EXPECT_EQ(modeOf(dir.path() / "a"), 0700u);
  EXPECT_EQ(modeOf(nested), 0700u);
  EXPECT_TRUE(files::createDirectories(nested));  // already there
  ASSERT_TRUE(files::writeAtomically(dir.path() / "plain", "x"));
  EXPECT_FALSE(files::createDirectories(dir.path() / "plain" / "sub"));  // parent is a file
}

TEST(Files, AppendNeverCreatesAndReadFailsQuietly) {
  testing::TempDir dir;
  const auto log = dir.path() / "Oskel.log";
  EXPECT_FALSE(files::appendToExisting(log, "eventTap=ok\n"));
  EXPECT_FALSE(files::exists(log));
  ASSERT_TRUE(files::writeAtomically(log, "startup\n"));
  EXPECT_TRUE(files::appendToExisting(log, "eventTap=ok\n"));
  EXPECT_EQ(files::read(log), "startup\neventTap=ok\n");
  EXPECT_FALSE(files::read(dir.path() / "nothing"));
  EXPECT_FALSE(files::read(dir.path()));  // a directory is not a file
}

}  // namespace
}  // namespace oskel
