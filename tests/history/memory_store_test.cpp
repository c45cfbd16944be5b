#include "history/memory_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/files.h"
#include "history/history_file.h"
#include "support/temp_dir.h"

namespace oskel {
namespace {

class MemoryStoreTest : public ::testing::Test {
 protected:
  std::unique_ptr<MemoryStore> open() {
    auto store = std::make_unique<MemoryStore>(
        MemoryStore::Options{DataPaths::in(dir.path() / "data"), &center, [this] { return clock += 1; }});
    return store;
  }
  std::vector<Clip> onDisk() {
    auto bytes = files::read(dir.path() / "data" / "clips.json");
    if (!bytes) return {};
    return history_file::decode(*bytes).value_or(std::vector<Clip>{});
  }
  std::vector<std::string> texts(const MemoryStore& store) {
    std::vector<std::string> out;
    store.clips().forEach([&](const Clip& c) {
      out.push_back(c.text);
      return true;
    });
    return out;
  }

  testing::TempDir dir;
  NotificationCenter center;
  Timestamp clock = 100;
  int notifications = 0;
  Subscription subscription = center.addObserver(kClipsChanged, [this](const Notification&) { ++notifications; });
};

TEST_F(MemoryStoreTest, AddTrimsRefusesAndDerivesValues) {
  auto store = open();
  store->add("  Email: anna@example.com\n", "Mail");
  ASSERT_EQ(store->clips().size(), 2u);
  const Clip& main = store->clips()[0];
  const Clip& derived = store->clips()[1];
  EXPECT_EQ(main.text, "Email: anna@example.com");
  EXPECT_EQ(main.indexedValues, (std::vector<std::string>{"Email: anna@example.com", "anna@example.com"}));
  EXPECT_EQ(derived.text, "anna@example.com");
  EXPECT_EQ(derived.indexedValues, std::vector<std::string>{"anna@example.com"});
  EXPECT_EQ(derived.createdAt, main.createdAt);
  EXPECT_EQ(derived.sourceApp, "Mail");
  EXPECT_EQ(notifications, 1);

  store->add("Email: anna@example.com", "Mail");  // equal to the newest clip
  store->add(" \n\t ", "Mail");
  store->add("4111 1111 1111 1111", "Mail");
  store->add(std::string(20001, 'x'), "Mail");
  EXPECT_EQ(store->clips().size(), 2u);
  EXPECT_EQ(notifications, 1);
  store->add(std::string(20000, 'x'), "Mail");
  EXPECT_EQ(store->clips().size(), 3u);
  store->add("Email: anna@example.com", "Mail");  // equal only to an older clip
  EXPECT_EQ(store->clips().size(), 5u);
  store->add("cafe\xCC\x81", "Mail");
  store->add("caf\xC3\xA9", "Mail");  // canonically equal to the newest
  EXPECT_EQ(store->clips().size(), 6u);
  EXPECT_EQ(store->textClipCount(), 6u);
}

TEST_F(MemoryStoreTest, ChangesReachTheFileOwnerOnlyAndSurviveARestart) {
  {
    auto store = open();
    store->add("first", "A");
    store->add("second", "B");
    store->deleteIds({store->clips()[1].id});
    store->waitUntilSaved();
  }
  struct stat st{};
  ASSERT_EQ(::stat((dir.path() / "data" / "clips.json").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  ASSERT_EQ(::stat((dir.path() / "data" / "Images").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  auto reopened = open();
  EXPECT_EQ(texts(*reopened), std::vector<std::string>{"second"});
  EXPECT_EQ(reopened->clips()[0].sourceApp, "B");
  EXPECT_EQ(notifications, 3);  // two adds and a delete; opening posts nothing
}

TEST_F(MemoryStoreTest, DeleteAndRemoveRules) {
  auto store = open();
  store->add("Email: anna@example.com", "Mail");
  const Clip main = store->clips()[0];
  store->deleteIds({store->clips()[1].id});  // the derived clip
  ASSERT_EQ(store->clips().size(), 1u);
  EXPECT_EQ(store->clips()[0], main);
  const int before = notifications;
  store->deleteIds({});
  EXPECT_EQ(notifications, before);

  // remove() with clips no longer present still deletes their bare-named files and notifies.
  const auto images = dir.path() / "data" / "Images";
  ASSERT_TRUE(files::writeAtomically(images / "gone.png", "png"));
  ASSERT_TRUE(files::writeAtomically(dir.path() / "data" / "outside.png", "png"));
  Clip gone{Uuid::random(), "", "A", 1, std::string("gone.png"), 1, 1, {}};
  Clip escaping{Uuid::random(), "", "A", 1, std::string("../outside.png"), 1, 1, {}};
  Clip dotdot{Uuid::random(), "", "A", 1, std::string(".."), 1, 1, {}};
  store->remove({gone, escaping, dotdot});
  EXPECT_EQ(notifications, before + 1);
  EXPECT_FALSE(files::exists(images / "gone.png"));
  EXPECT_TRUE(files::exists(dir.path() / "data" / "outside.png"));
  EXPECT_TRUE(files::exists(images));
  EXPECT_EQ(store->clips().size(), 1u);
}

TEST_F(MemoryStoreTest, LoadingUpgradesDropsMissingImagesAndSavesOnlyWhenUpgraded) {
  const auto data = dir.path() / "data";
  ASSERT_TRUE(files::createDirectories(data / "Images"));
  ASSERT_TRUE(files::writeAtomically(data / "Images" / "present.png", "png"));
  ASSERT_TRUE(files::writeAtomically(data / "elsewhere.png", "png"));
  const std::string original =
      R"([{"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"Phone: +49 30 1234567","sourceApp":"A","createdAt":5},)"
      R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","text":"","sourceApp":"B","createdAt":4,"imageFileName":"present.png","imagePixelWidth":2,"imagePixelHeight":3},)"
      R"({"id":"1f8fad5b-d9cb-469f-a165-70867728950e","text":"","sourceApp":"B","createdAt":3,"imageFileName":"missing.png","imagePixelWidth":2,"imagePixelHeight":3},)"
      R"({"id":"2f8fad5b-d9cb-469f-a165-70867728950e","text":"","sourceApp":"B","createdAt":2,"imageFileName":"../elsewhere.png","imagePixelWidth":2,"imagePixelHeight":3}])";
  ASSERT_TRUE(files::writeAtomically(data / "clips.json", original));
  auto store = open();
  ASSERT_EQ(store->clips().size(), 3u);
  EXPECT_EQ(store->clips()[0].indexedValues,
            (std::vector<std::string>{"Phone: +49 30 1234567", "+49 30 1234567"}));
  EXPECT_EQ(store->clips()[2].imageFileName, "../elsewhere.png");
  EXPECT_EQ(notifications, 0);
  store->waitUntilSaved();
  auto saved = onDisk();
  ASSERT_EQ(saved.size(), 3u);  // the missing image leaves the file with this save
  EXPECT_TRUE(saved[0].indexedValues);
  EXPECT_FALSE(saved[1].indexedValues);
  EXPECT_EQ(saved[0].id.upperString(), "7C9E6679-7425-40DE-944B-E07FC1F90AE7");

  // Dropping an image alone does not save.
  ASSERT_TRUE(files::remove(data / "Images" / "present.png"));
  const auto before = files::read(data / "clips.json");
  store.reset();
  auto again = open();
  again->waitUntilSaved();
  EXPECT_EQ(again->clips().size(), 2u);
  EXPECT_EQ(files::read(data / "clips.json"), before);
}

TEST_F(MemoryStoreTest, AnUndecodableFileIsKeptAsideBeforeTheFirstSave) {
  const auto data = dir.path() / "data";
  ASSERT_TRUE(files::createDirectories(data));
  const std::string broken =
      R"([{"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"keep me","sourceApp":"A"}])";
  ASSERT_TRUE(files::writeAtomically(data / "clips.json", broken));
  auto store = open();
  EXPECT_TRUE(store->clips().empty());
  store->waitUntilSaved();
  EXPECT_EQ(files::read(data / "clips.json"), broken);  // untouched until a save
  store->add("new", "A");
  store->add("newer", "A");
  store->waitUntilSaved();
  EXPECT_EQ(onDisk().size(), 2u);
  int kept = 0;
  for (const auto& entry : std::filesystem::directory_iterator(data)) {
    if (entry.path().filename().string().rfind("clips.json.unreadable-", 0) == 0) {
      ++kept;
      EXPECT_EQ(files::read(entry.path()), broken);
    }
  }
  EXPECT_EQ(kept, 1);
}

}  // namespace
}  // namespace oskel
