// File operations for the user's data: owner-only, atomic and durable writes.
// Every operation reports failure as a value and never throws.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace oskel::files {

using Path = std::filesystem::path;

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> read(const Path& path);

// Replaces `path` with `bytes`: writes a temporary file in the same directory with
// `mode`, flushes it to disk, renames it over `path` and flushes the directory, so a
// crash leaves either the old content or the new one.
bool writeAtomically(const Path& path, std::string_view bytes, mode_t mode = 0600);

// Creates the directory and any missing parents with `mode`. True when it exists after.
bool createDirectories(const Path& path, mode_t mode = 0700);

// Appends to an existing file; never creates one.
bool appendToExisting(const Path& path, std::string_view bytes);

bool isRegularFile(const Path& path);
bool exists(const Path& path);
bool remove(const Path& path);
bool rename(const Path& from, const Path& to);

}  // namespace oskel::files
