#include <cstdlib>

#include "platform/environment.h"

namespace oskel {
namespace {

class ProcessEnvironment : public Environment {
 public:
  std::optional<std::string> value(const std::string& name) const override {
    const char* v = std::getenv(name.c_str());
    return v == nullptr ? std::nullopt : std::optional<std::string>(v);
  }
};

}  // namespace

const Environment& Environment::process() {
  static const ProcessEnvironment environment;
  return environment;
}

}  // namespace oskel
