// The history as an ordered list of clips, newest first, that is cheap to copy.
//
// Clips live in shared, append-only chunks. A copy shares the chunks and remembers how
// many clips of each it sees, so taking a snapshot for the background writer costs a
// few pointer copies however long the history is, and adding a clip at the front never
// disturbs a snapshot that another thread is reading. Removal rebuilds only the chunks
// it touches.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

#include "history/clip.h"

namespace oskel {

class ClipList {
 public:
  ClipList() = default;
  explicit ClipList(const std::vector<Clip>& newestFirst);

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // Index 0 is the newest clip.
  const Clip& operator[](std::size_t index) const;
  const Clip& front() const { return (*this)[0]; }

  // Puts `clips` at the front, keeping their order: clips[0] becomes the newest.
  void prepend(std::vector<Clip> clips);

  // Removes every clip whose id is in `ids`; the others keep their order.
  void removeIds(const std::unordered_set<Uuid>& ids);

  // Calls `visit` for each clip, newest first, until it returns false.
  void forEach(const std::function<bool(const Clip&)>& visit) const;

  std::vector<Clip> toVector() const;

 private:
  struct Chunk;
  struct ChunkRef {
    std::shared_ptr<Chunk> chunk;
    std::size_t count;  // clips of the chunk this list sees: [0, count), oldest first
  };
  void append(Clip clip);  // adds one clip as the newest

  // Oldest chunk first; within a chunk the oldest clip first.
  std::vector<ChunkRef> chunks_;
  std::size_t size_ = 0;
};

}  // namespace oskel
