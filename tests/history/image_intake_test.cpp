#include "history/image_intake.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "fakes/fake_image_codec.h"
#include "history/history_file.h"
#include "support/temp_dir.h"

namespace oskel {
namespace {

class ImageIntakeTest : public ::testing::Test {
 protected:
  std::size_t imageFiles() {
    auto entries = std::filesystem::directory_iterator(store->paths().imagesDirectory);
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
  }
  // Adds a one-representation image and returns the stored size, or nothing when refused.
  std::optional<PixelSize> addSized(std::int64_t w, std::int64_t h) {
    const int before = codec.renders;
    if (!intake.add(FakeImageCodec::image({{w, h}}), "Preview")) return std::nullopt;
    EXPECT_EQ(codec.renders, before + 1);
    return codec.lastRenderedSize;
  }

  testing::TempDir dir;
  NotificationCenter center;
  int notifications = 0;
  Subscription subscription = center.addObserver(kClipsChanged, [this](const Notification&) { ++notifications; });
  std::unique_ptr<MemoryStore> store = std::make_unique<MemoryStore>(
      MemoryStore::Options{DataPaths::in(dir.path() / "data"), &center, [] { return Timestamp(5); }});
  FakeImageCodec codec;
  ImageIntake intake{*store, codec, [] { return Timestamp(777); }};
};

TEST_F(ImageIntakeTest, StoresTheScaledPngAndRecordsTheSourceSize) {
  // 8000 x 6000 is 48 million pixels, over the 40 million limit: refused from its header.
  EXPECT_FALSE(intake.add(FakeImageCodec::image({{8000, 6000}}), "Preview"));
  EXPECT_EQ(codec.renders, 0);
  ASSERT_TRUE(intake.add(FakeImageCodec::image({{8000, 5000}}), "Preview"));  // exactly the limit
  EXPECT_EQ(codec.lastRenderedSize, (PixelSize{4096, 2560}));
  ASSERT_EQ(store->clips().size(), 1u);
  const Clip clip = store->clips()[0];
  EXPECT_EQ(clip.text, "");
  EXPECT_EQ(clip.sourceApp, "Preview");
  EXPECT_EQ(clip.createdAt, 777);
  EXPECT_EQ(clip.imageFileName, clip.id.lowerString() + ".png");
  EXPECT_EQ(clip.imagePixelWidth, 8000);
  EXPECT_EQ(clip.imagePixelHeight, 5000);
  EXPECT_FALSE(clip.indexedValues);
  EXPECT_EQ(notifications, 1);
  EXPECT_EQ(files::read(store->paths().imagesDirectory / *clip.imageFileName), "FAKEPNG:4096x2560");

  // The clip survives a restart, and image(for:) reads the stored file.
  store->waitUntilSaved();
  auto onDisk = history_file::decode(*files::read(store->paths().file));
  ASSERT_TRUE(onDisk);
  ASSERT_EQ(onDisk->size(), 1u);
  EXPECT_EQ((*onDisk)[0], clip);
  auto image = intake.image(clip);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixelSize(), (PixelSize{4096, 2560}));

  // Images are never deduplicated.
  ASSERT_TRUE(intake.add(FakeImageCodec::image({{8000, 5000}}), "Preview"));
  EXPECT_EQ(store->clips().size(), 2u);
  EXPECT_EQ(imageFiles(), 2u);
}

TEST_F(ImageIntakeTest, ScalesDownOnlyAndRoundsHalvesAwayFromZeroToAtLeastOne) {
  EXPECT_EQ(addSized(1000, 800), (PixelSize{1000, 800}));
  EXPECT_EQ(addSized(12000, 1), (PixelSize{4096, 1}));
  EXPECT_EQ(addSized(1, 12000), (PixelSize{1, 4096}));
  EXPECT_EQ(addSized(4096, 4096), (PixelSize{4096, 4096}));
  EXPECT_EQ(addSized(8192, 3), (PixelSize{4096, 2}));  // 1.5 rounds up
  EXPECT_EQ(addSized(8192, 5), (PixelSize{4096, 3}));  // 2.5 rounds away from zero
  EXPECT_EQ(addSized(12000, 3333), (PixelSize{4096, 1138}));  // 1137.664
  EXPECT_EQ(addSized(1, 1), (PixelSize{1, 1}));
}

TEST_F(ImageIntakeTest, RefusesOutOfLimitSizesFromTheHeaderWithoutDecoding) {
  for (PixelSize size : {PixelSize{12000, 3334}, PixelSize{12001, 10}, PixelSize{10, 12001}, PixelSize{0, 100},
                         PixelSize{100, 0}, PixelSize{-5, 100}, PixelSize{60000, 60000},
                         PixelSize{4000000000, 4000000000}}) {
    EXPECT_FALSE(intake.add(FakeImageCodec::image({size}), "X")) << size.width << "x" << size.height;
  }
  EXPECT_EQ(codec.renders, 0);
  EXPECT_FALSE(intake.add("not an image", "X"));
  EXPECT_FALSE(intake.add("", "X"));
  EXPECT_EQ(codec.renders, 0);
  EXPECT_TRUE(store->clips().empty());
  EXPECT_EQ(notifications, 0);
  EXPECT_EQ(imageFiles(), 0u);
}

TEST_F(ImageIntakeTest, InputByteLimitIsInclusive) {
  std::string exact = FakeImageCodec::image({{10, 10}});
  // The fake format tolerates no padding, so an exact-size input is judged (read) but not an
  // image; one byte more is refused before the codec sees it.
  exact.resize(MemoryStore::maximumInputBytes, 'x');
  EXPECT_FALSE(intake.add(exact, "X"));
  EXPECT_EQ(codec.headerReads, 1);
  exact.push_back('x');
  EXPECT_FALSE(intake.add(exact, "X"));
  EXPECT_EQ(codec.headerReads, 1);
}

TEST_F(ImageIntakeTest, JudgesAndStoresTheLargestRepresentationFirstOnTies) {
  ASSERT_TRUE(intake.add(FakeImageCodec::image({{100, 80}, {2000, 1500}, {1500, 2000}, {10, 10}}), "Preview"));
  EXPECT_EQ(codec.lastRenderedIndex, 1u);
  EXPECT_EQ(store->clips()[0].imagePixelWidth, 2000);
  // A representation without a size never wins over one with a size.
  ASSERT_TRUE(intake.add(FakeImageCodec::image({{-1, 500}, {3, 4}}), "Preview"));
  EXPECT_EQ(codec.lastRenderedIndex, 1u);
  // Judged by the largest: a huge page makes the whole image too large.
  EXPECT_FALSE(intake.add(FakeImageCodec::image({{100, 100}, {20000, 20000}}), "Preview"));
  EXPECT_EQ(ImageIntake::largestRepresentation({{0, 0}, {0, 0}}), 0u);
}

TEST_F(ImageIntakeTest, RenderFailuresAndOversizedPngsLeaveNothingBehind) {
  codec.renderFails = true;
  EXPECT_FALSE(intake.add(FakeImageCodec::image({{100, 100}}), "X"));
  codec.renderFails = false;
  codec.renderedPadding = MemoryStore::maximumInputBytes;  // the PNG is one limit plus its header
  EXPECT_FALSE(intake.add(FakeImageCodec::image({{100, 100}}), "X"));
  EXPECT_TRUE(store->clips().empty());
  EXPECT_EQ(imageFiles(), 0u);
  EXPECT_EQ(notifications, 0);

  // A PNG of exactly the limit is kept.
  codec.renderedPadding = MemoryStore::maximumInputBytes - std::string("FAKEPNG:100x100").size();
  EXPECT_TRUE(intake.add(FakeImageCodec::image({{100, 100}}), "X"));
  EXPECT_EQ(imageFiles(), 1u);
}

TEST_F(ImageIntakeTest, ImageForRefusesTextClipsPathsAndMissingOrUndecodableFiles) {
  ASSERT_TRUE(files::writeAtomically(dir.path() / "data" / "outside.png", "FAKEPNG:4x4"));
  ASSERT_TRUE(files::writeAtomically(store->paths().imagesDirectory / "bad.png", "garbage"));
  Clip clip;
  clip.text = "hello";
  EXPECT_FALSE(intake.image(clip));
  clip.text.clear();
  for (const char* name : {"../outside.png", "missing.png", "bad.png"}) {
    clip.imageFileName = name;
    EXPECT_FALSE(intake.image(clip)) << name;
  }
}

TEST_F(ImageIntakeTest, RecreatesARemovedImagesFolder) {
  std::filesystem::remove_all(store->paths().imagesDirectory);
  EXPECT_TRUE(intake.add(FakeImageCodec::image({{10, 10}}), "X"));
  EXPECT_EQ(imageFiles(), 1u);
}

}  // namespace
}  // namespace oskel
