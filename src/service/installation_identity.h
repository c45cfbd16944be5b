// The stable identifier of this installation, kept under "oskel.installID": a stored
// value that parses as a UUID (either case) is used exactly as stored; anything else is
// replaced by a new random UUID in lower-case canonical form, which is then kept.
#pragma once

#include <string>

#include "platform/defaults.h"

namespace oskel::installation_identity {

inline constexpr const char* kKey = "oskel.installID";

std::string id(Defaults& defaults);

}  // namespace oskel::installation_identity
