#include "app/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <thread>

#include "app/file_bundle_info.h"
#include "app/json_file_defaults.h"
#include "app/log.h"
#include "base/files.h"
#include "support/temp_dir.h"

namespace oskel {
namespace {

mode_t modeOf(const std::filesystem::path& p) {
  struct stat st{};
  return ::stat(p.c_str(), &st) == 0 ? (st.st_mode & 0777) : 0;
}

class SettingsTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  std::filesystem::path file = dir.path() / "config" / "oskel" / "settings.json";
  JsonFileDefaults defaults{file};
};

TEST_F(SettingsTest, ChoicesSelectTheSecondCaseOnlyOnTheExactRawValue) {
  EXPECT_EQ(SmartPasteShortcut::current(defaults), SmartPasteShortcut::commandV);
  EXPECT_EQ(SmartPasteBackendMode::current(defaults), SmartPasteBackendMode::oskelCloud);
  defaults.setString(settings_key::kSmartPasteShortcut, "commandJ");
  defaults.setString(settings_key::kSmartPasteBackendMode, "directOrv");
  EXPECT_EQ(SmartPasteShortcut::current(defaults), SmartPasteShortcut::commandJ);
  EXPECT_EQ(SmartPasteBackendMode::current(defaults), SmartPasteBackendMode::directOrv);
  for (const char* other : {"CommandJ", "commandj", "", " commandJ", "commandV"}) {
    defaults.setString(settings_key::kSmartPasteShortcut, other);
    EXPECT_EQ(SmartPasteShortcut::current(defaults), SmartPasteShortcut::commandV) << other;
  }
  for (const char* other : {"DirectOrv", "directorv", "", "oskelCloud"}) {
    defaults.setString(settings_key::kSmartPasteBackendMode, other);
    EXPECT_EQ(SmartPasteBackendMode::current(defaults), SmartPasteBackendMode::oskelCloud) << other;
  }
  // A value of the wrong type reads as the default and is not corrected in the file.
  defaults.setBoolean(settings_key::kSmartPasteShortcut, true);
  EXPECT_EQ(SmartPasteShortcut::current(defaults), SmartPasteShortcut::commandV);
  EXPECT_NE(files::read(file)->find("\"oskel.smartPasteShortcut\": true"), std::string::npos);
  EXPECT_EQ(SmartPasteShortcut(SmartPasteShortcut::commandJ).rawValue(), "commandJ");
  EXPECT_EQ(SmartPasteBackendMode(SmartPasteBackendMode::oskelCloud).rawValue(), "oskelCloud");
}

TEST_F(SettingsTest, DefaultsFileIsOwnerOnlyReadAfreshAndSurvivesAReopen) {
  EXPECT_FALSE(defaults.boolean(settings_key::kClipboardCapturePaused));
  EXPECT_FALSE(defaults.string(settings_key::kDeviceToken));
  EXPECT_FALSE(files::exists(file));  // reading never creates the file

  defaults.setBoolean(settings_key::kClipboardCapturePaused, true);
  defaults.setString(settings_key::kDeviceToken, "tok\"en\n");
  EXPECT_EQ(modeOf(file), 0600u);
  EXPECT_EQ(modeOf(file.parent_path()), 0700u);

  JsonFileDefaults reopened(file);
  EXPECT_TRUE(reopened.boolean(settings_key::kClipboardCapturePaused));
  EXPECT_EQ(reopened.string(settings_key::kDeviceToken), "tok\"en\n");
  // Wrong types: a string is not a boolean and a boolean not a string.
  EXPECT_FALSE(reopened.boolean(settings_key::kDeviceToken));
  EXPECT_FALSE(reopened.string(settings_key::kClipboardCapturePaused));

  // A change written by another process (or object) is seen at the next read.
  reopened.remove(settings_key::kClipboardCapturePaused);
  EXPECT_FALSE(defaults.boolean(settings_key::kClipboardCapturePaused));
  EXPECT_EQ(defaults.string(settings_key::kDeviceToken), "tok\"en\n");
}

TEST_F(SettingsTest, CorruptFileReadsEmptyAndIsKeptAsideOnTheNextWrite) {
  files::createDirectories(file.parent_path());
  ASSERT_TRUE(files::writeAtomically(file, "{\"oskel.deviceToken\": \"abc\""));  // cut short
  EXPECT_FALSE(defaults.string(settings_key::kDeviceToken));
  defaults.setBoolean(settings_key::kHasShownFirstLaunchUI, true);
  EXPECT_TRUE(defaults.boolean(settings_key::kHasShownFirstLaunchUI));
  auto kept = files::read(file.string() + ".corrupt");
  ASSERT_TRUE(kept);
  EXPECT_EQ(*kept, "{\"oskel.deviceToken\": \"abc\"");
}

TEST_F(SettingsTest, ConcurrentWritersLoseNoKey) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([this, t] {
      for (int i = 0; i < 10; ++i) defaults.setString("k" + std::to_string(t) + "." + std::to_string(i), "v");
    });
  for (auto& th : threads) th.join();
  JsonFileDefaults reopened(file);
  for (int t = 0; t < 4; ++t)
    for (int i = 0; i < 10; ++i) EXPECT_EQ(reopened.string("k" + std::to_string(t) + "." + std::to_string(i)), "v");
}

TEST(DefaultsLocationTest, FollowTheXdgFolders) {
  MapEnvironment env(std::map<std::string, std::string>{{"HOME", "/home/anna"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_STATE_HOME", "/st"}});
  EXPECT_EQ(JsonFileDefaults::defaultFile(env), "/cfg/oskel/settings.json");
  EXPECT_EQ(Log::defaultFile(env), "/st/oskel/Oskel.log");
  MapEnvironment plain(std::map<std::string, std::string>{{"HOME", "/home/anna"}});
  EXPECT_EQ(JsonFileDefaults::defaultFile(plain), "/home/anna/.config/oskel/settings.json");
  EXPECT_EQ(Log::defaultFile(plain), "/home/anna/.local/state/oskel/Oskel.log");
}

TEST(LogTest, StartupReplacesTheFileAndAppendingNeverCreatesIt) {
  testing::TempDir dir;
  Log log(dir.path() / "state" / "oskel" / "Oskel.log");
  log.append("eventTap=ok");
  EXPECT_FALSE(files::exists(log.file()));

  log.writeStartup(true, false, true);
  log.append("eventTap=ok");
  EXPECT_EQ(files::read(log.file()), "startup trusted=true inputAllowed=false firstLaunch=true\neventTap=ok\n");
  EXPECT_EQ(modeOf(log.file().parent_path()), 0700u);

  log.writeStartup(false, true, false);  // next run: only its own lines
  log.append("eventTap=failed");
  EXPECT_EQ(files::read(log.file()), "startup trusted=false inputAllowed=true firstLaunch=false\neventTap=failed\n");

  // A log whose folder cannot be made: both writes fail silently.
  ASSERT_TRUE(files::writeAtomically(dir.path() / "blocker", "x"));
  Log blocked(dir.path() / "blocker" / "oskel" / "Oskel.log");
  blocked.writeStartup(true, true, true);
  blocked.append("eventTap=ok");
  EXPECT_FALSE(files::exists(blocked.file()));
}

TEST(FileBundleInfoTest, ReadsInfoJsonBesideTheProgramOrInShare) {
  testing::TempDir dir;
  const auto bin = dir.path() / "prefix" / "bin";
  const auto share = dir.path() / "prefix" / "share" / "oskel";
  files::createDirectories(bin);
  files::createDirectories(share);
  auto candidates = FileBundleInfo::candidatesBeside(bin / "oskel");
  ASSERT_EQ(candidates.size(), 2u);

  // Nothing installed: no address, the build's version.
  FileBundleInfo none(candidates);
  EXPECT_FALSE(none.value("OskelAPIBaseURL"));
  EXPECT_EQ(none.value("CFBundleShortVersionString"), OSKEL_VERSION);

  ASSERT_TRUE(files::writeAtomically(share / "Info.json", R"({"OskelAPIBaseURL": "http://127.0.0.1:9/", "n": 3})"));
  FileBundleInfo installed(candidates);
  EXPECT_EQ(installed.value("OskelAPIBaseURL"), "http://127.0.0.1:9/");
  EXPECT_FALSE(installed.value("n"));  // only strings are values
  EXPECT_EQ(installed.source(), share / "Info.json");

  // The file beside the executable wins, and its version is used as given.
  ASSERT_TRUE(files::writeAtomically(bin / "Info.json", R"({"CFBundleShortVersionString": "9.8.7"})"));
  FileBundleInfo beside(candidates);
  EXPECT_EQ(beside.value("CFBundleShortVersionString"), "9.8.7");
  EXPECT_FALSE(beside.value("OskelAPIBaseURL"));

  ASSERT_TRUE(files::writeAtomically(bin / "Info.json", "not json"));
  EXPECT_FALSE(FileBundleInfo(candidates).value("OskelAPIBaseURL"));
}

}  // namespace
}  // namespace oskel
