#include "history/history_loader.h"

#include "base/files.h"
#include "history/history_file.h"
#include "history/value_indexer.h"

namespace oskel {

LoadedHistory loadHistory(const DataPaths& paths) {
  LoadedHistory result;
  auto bytes = files::read(paths.file);
  if (!bytes) {
    result.unreadable = files::exists(paths.file);
    return result;
  }
  auto decoded = history_file::decode(*bytes);
  if (!decoded) {
    result.unreadable = true;
    return result;
  }
  result.clips.reserve(decoded->size());
  for (Clip& clip : *decoded) {
    if (clip.isImage()) {
      // A name with a directory part is never opened: such a clip only needs its path to exist.
      if (!files::exists(paths.imagesDirectory.string() + "/" + *clip.imageFileName)) continue;
      result.clips.push_back(std::move(clip));
    } else if (clip.indexedValues) {
      result.clips.push_back(std::move(clip));
    } else {
      Clip upgraded{clip.id, clip.text, clip.sourceApp, clip.createdAt, {}, {}, {}, indexValues(clip.text)};
      result.clips.push_back(std::move(upgraded));
      result.changed = true;
    }
  }
  return result;
}

}  // namespace oskel
