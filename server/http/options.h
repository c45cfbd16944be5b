// Command-line options of oskel-answerd, each with an environment fallback
// named after it (--token-lifetime -> OSKEL_ANSWERD_TOKEN_LIFETIME). A flag
// given on the command line wins over its environment variable.
//
//   --listen HOST:PORT       default 127.0.0.1:8787 (port 0: any free port)
//   --secret-file FILE       default oskel-answerd.secret; created when missing
//   --token-lifetime SECONDS default 0: tokens do not expire
//   --min-version X.Y.Z      versions below it get 426 update_required
//   --update-url URL         required with --min-version
//   --api-keys-file FILE     keys of the direct protocol, one per line
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "protocol/version.h"

namespace oskel::http {

struct Options {
  std::string host = "127.0.0.1";
  int port = 8787;
  std::string secretFile = "oskel-answerd.secret";
  std::int64_t tokenLifetime = 0;
  std::optional<protocol::Version> minVersion;
  std::string updateUrl;
  std::string apiKeysFile;
  bool help = false;
};

struct ParsedOptions {
  std::optional<Options> options;
  std::string error;  // set when options is empty
};

// `getenv` is injectable for tests; it returns nothing for an unset variable.
ParsedOptions parseOptions(const std::vector<std::string>& args,
                           const std::function<std::optional<std::string>(const std::string&)>& getenv);

std::string usage();

}  // namespace oskel::http
