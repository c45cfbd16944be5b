#include "history/memory_store.h"

#include "base/files.h"
#include "base/text.h"
#include "history/history_file.h"
#include "history/history_loader.h"
#include "history/sensitive_filter.h"
#include "history/value_indexer.h"

namespace oskel {

MemoryStore::MemoryStore(Options options)
    : paths_(std::move(options.paths)), center_(options.center), clock_(std::move(options.clock)) {
  files::createDirectories(paths_.imagesDirectory);
  LoadedHistory loaded = loadHistory(paths_);
  clips_ = ClipList(loaded.clips);
  keepUnreadableFile_ = loaded.unreadable;
  recount();
  if (loaded.changed) save();
}

MemoryStore::~MemoryStore() { waitUntilSaved(); }

MemoryStore& MemoryStore::shared() {
  static MemoryStore* store = new MemoryStore(Options{DataPaths::resolve(Environment::process())});
  return *store;
}

bool MemoryStore::looksSensitive(std::string_view text) { return oskel::looksSensitive(text); }

std::vector<std::string> MemoryStore::indexValues(std::string_view text) { return oskel::indexValues(text); }

std::vector<Clip> MemoryStore::textClips() const {
  std::vector<Clip> out;
  out.reserve(textClipCount_);
  clips_.forEach([&](const Clip& c) {
    if (!c.isImage()) out.push_back(c);
    return true;
  });
  return out;
}

void MemoryStore::add(std::string_view rawText, std::string_view sourceApp) {
  std::string text = text::trimmed(rawText);
  if (text.empty() || !text::lengthAtMost(text, maximumTextLength) || looksSensitive(text)) return;
  if (!clips_.empty() && !clips_.front().isImage() && text::canonicallyEqual(clips_.front().text, text)) return;

  const Timestamp now = clock_();
  std::vector<std::string> values = indexValues(text);
  std::vector<Clip> added;
  added.reserve(values.size() + 1);
  added.push_back(Clip{Uuid::random(), text, std::string(sourceApp), now, {}, {}, {}, values});
  for (const std::string& value : values) {
    if (value == text) continue;
    added.push_back(Clip{Uuid::random(), value, std::string(sourceApp), now, {}, {}, {}, std::vector{value}});
  }
  textClipCount_ += added.size();
  clips_.prepend(std::move(added));
  changed();
}

void MemoryStore::insertAtFront(Clip clip) {
  if (!clip.isImage()) ++textClipCount_;
  clips_.prepend({std::move(clip)});
  changed();
}

void MemoryStore::deleteIds(const std::unordered_set<Uuid>& ids) {
  if (ids.empty()) return;
  std::vector<Clip> matching;
  clips_.forEach([&](const Clip& c) {
    if (ids.count(c.id) != 0) matching.push_back(c);
    return true;
  });
  remove(matching);
}

void MemoryStore::remove(const std::vector<Clip>& clips) {
  std::unordered_set<Uuid> ids;
  for (const Clip& c : clips) ids.insert(c.id);
  clips_.removeIds(ids);
  recount();
  for (const Clip& c : clips) {
    if (auto name = c.bareImageFileName()) files::remove(paths_.imagesDirectory / *name);
  }
  changed();
}

void MemoryStore::waitUntilSaved() { queue_.waitUntilIdle(); }

void MemoryStore::changed() {
  save();
  center_->post(kClipsChanged);
}

void MemoryStore::recount() {
  std::size_t count = 0;
  clips_.forEach([&](const Clip& c) {
    count += c.isImage() ? 0 : 1;
    return true;
  });
  textClipCount_ = count;
}

void MemoryStore::save() {
  // Saves that pile up while the writer is busy are coalesced: a waiting task always
  // writes the newest snapshot, so the file still ends up holding the last state.
  bool schedule;
  {
    std::lock_guard lock(pending_->mutex);
    pending_->snapshot = clips_;
    pending_->keepUnreadableFile = pending_->keepUnreadableFile || keepUnreadableFile_;
    schedule = !pending_->scheduled;
    pending_->scheduled = true;
  }
  keepUnreadableFile_ = false;
  if (!schedule) return;
  queue_.async([pending = pending_, paths = paths_, now = clock_()] {
    ClipList snapshot;
    bool keepOld;
    {
      std::lock_guard lock(pending->mutex);
      snapshot = std::move(*pending->snapshot);
      pending->snapshot.reset();
      keepOld = pending->keepUnreadableFile;
      pending->keepUnreadableFile = false;
      pending->scheduled = false;
    }
    if (keepOld && files::exists(paths.file)) {
      // The old file could not be read: keep it beside the new one rather than
      // overwrite what may be the user's whole history.
      const std::string stem =
          paths.file.string() + ".unreadable-" + std::to_string(static_cast<long long>(now + kReferenceDateOffset));
      std::string kept = stem;
      for (int n = 2; files::exists(kept); ++n) kept = stem + "-" + std::to_string(n);
      files::rename(paths.file, kept);
    }
    files::writeAtomically(paths.file, history_file::encode(snapshot), 0600);
  });
}

}  // namespace oskel
