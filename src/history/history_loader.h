// Reads the history file as the store starts, without writing anything.
#pragma once

#include <vector>

#include "history/clip.h"
#include "history/data_paths.h"

namespace oskel {

struct LoadedHistory {
  std::vector<Clip> clips;  // newest first
  bool changed = false;     // values were computed for old clips: save once
  bool unreadable = false;  // a history file exists but could not be read or decoded
};

// Missing file: empty history. Undecodable file: empty history, marked unreadable.
// Image clips whose file is missing are dropped; text clips without stored values get
// them computed, which marks the load as changed.
LoadedHistory loadHistory(const DataPaths& paths);

}  // namespace oskel
