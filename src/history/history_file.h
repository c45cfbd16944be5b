// The history file: one compact JSON array of clip objects, newest first.
//
// Writing puts members in a fixed order (id, text, sourceApp, createdAt, imageFileName,
// imagePixelWidth, imagePixelHeight, indexedValues), leaves absent members out and
// writes ids in upper case. Reading ignores member order and unknown members, takes
// null as absent, accepts ids in either case, and refuses the whole document when any
// element is invalid.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/clip.h"
#include "history/clip_list.h"

namespace oskel::history_file {

std::string encode(const ClipList& clips);
std::string encode(const std::vector<Clip>& clips);

// The clips of a valid document, or nothing.
std::optional<std::vector<Clip>> decode(std::string_view bytes);

}  // namespace oskel::history_file
