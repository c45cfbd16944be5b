#include "base/paths.h"

#include <pwd.h>
#include <unistd.h>

namespace oskel::paths {
namespace {

std::filesystem::path xdg(const Environment& env, const char* variable, const char* fallback) {
  if (auto v = env.value(variable); v && !v->empty() && v->front() == '/') return *v;
  return home(env) / fallback;
}

}  // namespace

std::filesystem::path home(const Environment& env) {
  if (auto v = env.value("HOME"); v && !v->empty()) return *v;
  if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) return pw->pw_dir;
  return "/";
}

std::filesystem::path dataHome(const Environment& env) { return xdg(env, "XDG_DATA_HOME", ".local/share"); }
std::filesystem::path configHome(const Environment& env) { return xdg(env, "XDG_CONFIG_HOME", ".config"); }
std::filesystem::path stateHome(const Environment& env) { return xdg(env, "XDG_STATE_HOME", ".local/state"); }

}  // namespace oskel::paths
