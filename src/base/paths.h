// The user's standard folders, after the XDG base-directory rules.
#pragma once

#include <filesystem>

#include "platform/environment.h"

namespace oskel::paths {

// $HOME, or the password database's home directory when HOME is unset or empty.
std::filesystem::path home(const Environment& env);

// $XDG_DATA_HOME, $XDG_CONFIG_HOME, $XDG_STATE_HOME when set to an absolute path,
// else ~/.local/share, ~/.config and ~/.local/state.
std::filesystem::path dataHome(const Environment& env);
std::filesystem::path configHome(const Environment& env);
std::filesystem::path stateHome(const Environment& env);

}  // namespace oskel::paths
