#include "app/log.h"

#include <string>

#include "base/files.h"
#include "base/paths.h"

namespace oskel {
namespace {
const char* word(bool value) { return value ? "true" : "false"; }
}  // namespace

std::filesystem::path Log::defaultFile(const Environment& env) {
  return paths::stateHome(env) / "oskel" / "Oskel.log";
}

void Log::writeStartup(bool trusted, bool inputAllowed, bool firstLaunch) const {
  std::string line = std::string("startup trusted=") + word(trusted) + " inputAllowed=" + word(inputAllowed) +
                     " firstLaunch=" + word(firstLaunch) + "\n";
  files::createDirectories(file_.parent_path());
  files::writeAtomically(file_, line);
}

void Log::append(std::string_view line) const {
  std::string bytes(line);
  bytes.push_back('\n');
  files::appendToExisting(file_, bytes);
}

}  // namespace oskel
