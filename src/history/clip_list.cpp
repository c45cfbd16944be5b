#include "history/clip_list.h"

#include <algorithm>
#include <new>

namespace oskel {
namespace {
constexpr std::size_t kFirstChunkCapacity = 256;
constexpr std::size_t kLargestChunkCapacity = 16384;
}  // namespace

// Fixed storage that only ever grows at its end; constructed slots are never moved,
// so other lists may keep reading their prefix while the owner appends.
struct ClipList::Chunk {
  explicit Chunk(std::size_t capacity)
      : capacity(capacity), slots(static_cast<Clip*>(::operator new(sizeof(Clip) * capacity))) {}
  ~Chunk() {
    for (std::size_t i = 0; i < constructed; ++i) slots[i].~Clip();
    ::operator delete(slots);
  }
  Chunk(const Chunk&) = delete;
  Chunk& operator=(const Chunk&) = delete;

  const std::size_t capacity;
  Clip* const slots;
  std::size_t constructed = 0;  // touched only by the list that appends
};

ClipList::ClipList(const std::vector<Clip>& newestFirst) {
  for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) append(*it);
}

const Clip& ClipList::operator[](std::size_t index) const {
  // Count from the newest end: recent clips are the ones read most.
  std::size_t fromNewest = index;
  for (auto it = chunks_.rbegin(); it != chunks_.rend(); ++it) {
    if (fromNewest < it->count) return it->chunk->slots[it->count - 1 - fromNewest];
    fromNewest -= it->count;
  }
  return chunks_.front().chunk->slots[0];  // out of range: callers check size() first
}

void ClipList::append(Clip clip) {
  // Only a list that sees every constructed clip of its newest chunk may append to it;
  // otherwise another list owns what follows and a new chunk is started.
  if (chunks_.empty() || chunks_.back().count != chunks_.back().chunk->constructed ||
      chunks_.back().count == chunks_.back().chunk->capacity) {
    const std::size_t capacity =
        chunks_.empty() ? kFirstChunkCapacity
                        : std::min(kLargestChunkCapacity, std::max(kFirstChunkCapacity, size_));
    chunks_.push_back({std::make_shared<Chunk>(capacity), 0});
  }
  ChunkRef& last = chunks_.back();
  new (&last.chunk->slots[last.count]) Clip(std::move(clip));
  ++last.chunk->constructed;
  ++last.count;
  ++size_;
}

void ClipList::prepend(std::vector<Clip> clips) {
  for (auto it = clips.rbegin(); it != clips.rend(); ++it) append(std::move(*it));
}

void ClipList::removeIds(const std::unordered_set<Uuid>& ids) {
  if (ids.empty()) return;
  std::vector<ChunkRef> kept;
  kept.reserve(chunks_.size());
  std::size_t size = 0;
  for (const ChunkRef& ref : chunks_) {
    std::size_t hits = 0;
    for (std::size_t i = 0; i < ref.count; ++i) hits += ids.count(ref.chunk->slots[i].id);
    if (hits == 0) {
      kept.push_back(ref);
      size += ref.count;
      continue;
    }
    const std::size_t remaining = ref.count - hits;
    if (remaining == 0) continue;
    auto fresh = std::make_shared<Chunk>(remaining);
    for (std::size_t i = 0; i < ref.count; ++i) {
      const Clip& clip = ref.chunk->slots[i];
      if (ids.count(clip.id) != 0) continue;
      new (&fresh->slots[fresh->constructed]) Clip(clip);
      ++fresh->constructed;
    }
    kept.push_back({fresh, remaining});
    size += remaining;
  }
  chunks_ = std::move(kept);
  size_ = size;
}

void ClipList::forEach(const std::function<bool(const Clip&)>& visit) const {
  for (auto it = chunks_.rbegin(); it != chunks_.rend(); ++it) {
    for (std::size_t i = it->count; i-- > 0;) {
      if (!visit(it->chunk->slots[i])) return;
    }
  }
}

std::vector<Clip> ClipList::toVector() const {
  std::vector<Clip> out;
  out.reserve(size_);
  forEach([&](const Clip& c) {
    out.push_back(c);
    return true;
  });
  return out;
}

}  // namespace oskel
