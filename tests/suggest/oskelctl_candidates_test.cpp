#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "base/files.h"
#include "history/history_file.h"
#include "suggest/suggestion_client.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace oskel {
namespace {

TEST(OskelctlCandidates, PrintsTheCandidatesOfTheCurrentHistory) {
  testing::TempDir dir;
  Clip newer{Uuid::random(), "Email: ada@example.com", "Mail", 795173213, {}, {}, {}, std::vector<std::string>{"ada@example.com", "Ada"}};
  Clip older{Uuid::random(), "ADA@example.com", "Notes", 0, {}, {}, {}, std::vector<std::string>{"ADA@EXAMPLE.COM", "x"}};
  ASSERT_TRUE(files::writeAtomically(dir.path() / "clips.json", history_file::encode({newer, older})));

  auto result = testing::runCommand({OSKELCTL_PATH, "candidates"}, "", {"OSKEL_DATA_DIRECTORY=" + dir.path().string()});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  auto printed = nlohmann::json::parse(result.out);
  ASSERT_EQ(printed.size(), 3u);
  EXPECT_EQ(printed[0], (nlohmann::json{{"id", newer.id.upperString() + ":index0"}, {"text", "ada@example.com"},
                                        {"sourceApp", "Mail"}, {"copiedAt", "2026-03-14T09:26:53Z"}}));
  EXPECT_EQ(printed[2]["id"], older.id.upperString() + ":index1");
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1);

  auto empty = testing::runCommand({OSKELCTL_PATH, "candidates"}, "", {"OSKEL_DATA_DIRECTORY=" + (dir.path() / "none").string()});
  EXPECT_EQ(empty.out, "[]\n");

  auto usage = testing::runCommand({OSKELCTL_PATH, "suggest", "--role", "AXTextField"});
  EXPECT_EQ(usage.exitStatus, 2);
  EXPECT_TRUE(usage.out.empty());
}

}  // namespace
}  // namespace oskel
