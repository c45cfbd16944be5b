#include "http/options.h"

#include <charconv>
#include <map>

namespace oskel::http {
namespace {

const char* const kFlags[] = {"listen", "secret-file", "token-lifetime", "min-version", "update-url", "api-keys-file"};

std::string envName(const std::string& flag) {
  std::string name = "OSKEL_ANSWERD_";
  for (char c : flag) name += c == '-' ? '_' : static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return name;
}

bool parseListen(const std::string& text, Options* out) {
  std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  std::string host = text.substr(0, colon);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  std::string port = text.substr(colon + 1);
  int value = -1;
  auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
  if (ec != std::errc() || end != port.data() + port.size() || value < 0 || value > 65535 || host.empty()) return false;
  out->host = host;
  out->port = value;
  return true;
}

}  // namespace

ParsedOptions parseOptions(const std::vector<std::string>& args,
                           const std::function<std::optional<std::string>(const std::string&)>& getenv) {
  std::map<std::string, std::string> given;
  for (const char* flag : kFlags) {
    if (std::optional<std::string> value = getenv(envName(flag))) given[flag] = *value;
  }
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return {options, ""};
    }
    if (arg.rfind("--", 0) != 0) return {std::nullopt, "unexpected argument: " + arg};
    std::string name = arg.substr(2);
    std::string value;
    std::size_t eq = name.find('=');
    if (eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return {std::nullopt, "--" + name + " needs a value"};
    }
    bool known = false;
    for (const char* flag : kFlags) known = known || name == flag;
    if (!known) return {std::nullopt, "unknown option: --" + name};
    given[name] = value;
  }
  if (auto it = given.find("listen"); it != given.end() && !parseListen(it->second, &options)) {
    return {std::nullopt, "--listen: expected HOST:PORT, got \"" + it->second + "\""};
  }
  if (auto it = given.find("secret-file"); it != given.end()) {
    if (it->second.empty()) return {std::nullopt, "--secret-file: must not be empty"};
    options.secretFile = it->second;
  }
  if (auto it = given.find("token-lifetime"); it != given.end()) {
    const std::string& text = it->second;
    std::int64_t value = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0) {
      return {std::nullopt, "--token-lifetime: expected a number of seconds, got \"" + text + "\""};
    }
    options.tokenLifetime = value;
  }
  if (auto it = given.find("min-version"); it != given.end() && !it->second.empty()) {
    options.minVersion = protocol::Version::parse(it->second);
    if (!options.minVersion) return {std::nullopt, "--min-version: expected X.Y.Z, got \"" + it->second + "\""};
  }
  if (auto it = given.find("update-url"); it != given.end()) options.updateUrl = it->second;
  if (options.minVersion && options.updateUrl.empty()) {
    return {std::nullopt, "--min-version needs --update-url: the client shows that page to the user"};
  }
  if (auto it = given.find("api-keys-file"); it != given.end()) options.apiKeysFile = it->second;
  return {options, ""};
}

std::string usage() {
  return "usage: oskel-answerd [--listen HOST:PORT] [--secret-file FILE] [--token-lifetime SECONDS]\n"
         "                     [--min-version X.Y.Z --update-url URL] [--api-keys-file FILE]\n"
         "Each flag falls back to an environment variable named after it, e.g. OSKEL_ANSWERD_LISTEN.\n";
}

}  // namespace oskel::http
