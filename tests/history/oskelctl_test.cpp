#include <gtest/gtest.h>

#include "base/files.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace oskel {
namespace {

using testing::runCommand;

TEST(Oskelctl, ValuesAndSensitive) {
  auto values = runCommand({OSKELCTL_PATH, "values"}, "Email: anna@example.com\n");
  EXPECT_EQ(values.exitStatus, 0);
  EXPECT_EQ(values.out, "[\"Email: anna@example.com\",\"anna@example.com\"]\n");
  auto none = runCommand({OSKELCTL_PATH, "values"}, "");
  EXPECT_EQ(none.out, "[]\n");
  EXPECT_EQ(runCommand({OSKELCTL_PATH, "sensitive"}, "4111 1111 1111 1111").out, "true\n");
  EXPECT_EQ(runCommand({OSKELCTL_PATH, "sensitive"}, "hello").out, "false\n");
}

TEST(Oskelctl, HistoryReadsWithoutWritingAndHonoursTheDataDirectory) {
  testing::TempDir dir;
  const std::string legacy =
      R"([{"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"Phone: 030 1234567","sourceApp":"A","createdAt":1.25}])";
  ASSERT_TRUE(files::writeAtomically(dir.path() / "clips.json", legacy));
  const std::string expected =
      R"([{"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7","text":"Phone: 030 1234567","sourceApp":"A","createdAt":1.25,)"
      R"("indexedValues":["Phone: 030 1234567","030 1234567"]}])" "\n";
  auto viaFlag = runCommand({OSKELCTL_PATH, "history", "--data-dir", dir.path().string()});
  EXPECT_EQ(viaFlag.exitStatus, 0);
  EXPECT_EQ(viaFlag.out, expected);
  auto viaEnvironment = runCommand({OSKELCTL_PATH, "history"}, "", {"OSKEL_DATA_DIRECTORY=" + dir.path().string()});
  EXPECT_EQ(viaEnvironment.out, expected);
  EXPECT_EQ(files::read(dir.path() / "clips.json"), legacy);  // never written
  EXPECT_FALSE(files::exists(dir.path() / "Images"));

  auto empty = runCommand({OSKELCTL_PATH, "history", "--data-dir", (dir.path() / "none").string()});
  EXPECT_EQ(empty.out, "[]\n");
}

TEST(Oskelctl, BadUsageIsExitStatusTwoWithOneLine) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {OSKELCTL_PATH}, {OSKELCTL_PATH, "bogus"}, {OSKELCTL_PATH, "values", "extra"},
           {OSKELCTL_PATH, "history", "--data-dir"}, {OSKELCTL_PATH, "history", "--wat"}}) {
    auto result = runCommand(args);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
  }
}

}  // namespace
}  // namespace oskel
