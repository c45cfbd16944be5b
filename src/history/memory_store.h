// The clipboard history: the ordered list of clips (newest first), its file, its image
// files and the "clipsChanged" notification after every change.
//
// Main thread only. Every change hands a snapshot of the list to a serial background
// writer that rewrites the history file atomically; the snapshot shares the clips with
// the list, so handing it over costs the same however long the history is. Snapshots
// that wait while the writer is busy are replaced by newer ones.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "base/notification_center.h"
#include "base/serial_queue.h"
#include "history/clip_list.h"
#include "history/data_paths.h"

namespace oskel {

inline constexpr const char* kClipsChanged = "clipsChanged";

class MemoryStore {
 public:
  struct Options {
    DataPaths paths;
    NotificationCenter* center = &NotificationCenter::defaultCenter();
    std::function<Timestamp()> clock = currentTimestamp;
  };

  static constexpr std::int64_t maximumInputBytes = 26214400;
  static constexpr std::int64_t maximumPixelDimension = 12000;
  static constexpr std::int64_t maximumPixelCount = 40000000;
  static constexpr std::int64_t storedPixelDimension = 4096;
  static constexpr std::size_t maximumTextLength = 20000;

  // Creates the images directory (failure ignored) and loads the history, saving once
  // when old clips were upgraded. Posts no notification.
  explicit MemoryStore(Options options);
  ~MemoryStore();  // waits for pending writes
  MemoryStore(const MemoryStore&) = delete;
  MemoryStore& operator=(const MemoryStore&) = delete;

  // The process-wide store over the data directory of the process environment.
  static MemoryStore& shared();

  const ClipList& clips() const { return clips_; }
  const DataPaths& paths() const { return paths_; }

  // The clips without an image, newest first.
  std::vector<Clip> textClips() const;
  std::size_t textClipCount() const { return textClipCount_; }

  // Stores a captured text (trimmed) with its extracted values, unless it is empty,
  // longer than 20000 characters, sensitive, or equal to the newest clip's text.
  void add(std::string_view text, std::string_view sourceApp);

  // Puts an already-built clip (e.g. an image clip whose file is written) at the front.
  void insertAtFront(Clip clip);

  // Removes the clips with these ids. Does nothing for an empty set.
  void deleteIds(const std::unordered_set<Uuid>& ids);

  // Removes these clips and their image files; saves and notifies even if none matched.
  void remove(const std::vector<Clip>& clips);

  // Blocks until every save submitted so far is on disk. For tests and shutdown.
  void waitUntilSaved();

  static bool looksSensitive(std::string_view text);
  static std::vector<std::string> indexValues(std::string_view text);

 private:
  void save();
  void changed();
  void recount();

  DataPaths paths_;
  NotificationCenter* center_;
  std::function<Timestamp()> clock_;
  ClipList clips_;
  std::size_t textClipCount_ = 0;
  bool keepUnreadableFile_ = false;

  // The newest snapshot waiting for the writer, shared with its task.
  struct PendingSave {
    std::mutex mutex;
    std::optional<ClipList> snapshot;
    bool keepUnreadableFile = false;
    bool scheduled = false;
  };
  std::shared_ptr<PendingSave> pending_ = std::make_shared<PendingSave>();
  SerialQueue queue_;
};

}  // namespace oskel
