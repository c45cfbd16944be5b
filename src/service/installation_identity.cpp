#include "service/installation_identity.h"

#include "base/uuid.h"

namespace oskel::installation_identity {

std::string id(Defaults& defaults) {
  if (auto stored = defaults.string(kKey); stored && Uuid::parse(*stored)) return *stored;
  std::string fresh = Uuid::random().lowerString();
  defaults.setString(kKey, fresh);
  return fresh;
}

}  // namespace oskel::installation_identity
