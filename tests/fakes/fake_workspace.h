// A Workspace for logic tests: the test sets the application in front and reads back
// what was activated or opened.
#pragma once

#include <string>
#include <vector>

#include "platform/workspace.h"

namespace oskel {

class FakeWorkspace : public Workspace {
 public:
  std::optional<FrontmostApplication> frontmostApplication() const override {
    ++frontmostReads;
    return frontmost;
  }
  bool activate(const FrontmostApplication& application) override {
    activated.push_back(application);
    if (succeeds) frontmost = application;
    return succeeds;
  }
  bool openURL(const std::string& url) override {
    opened.push_back(url);
    return succeeds;
  }

  // Puts an application with this display name in front.
  void bringToFront(std::string name, std::int64_t pid = 4242) {
    frontmost = FrontmostApplication{std::move(name), pid, static_cast<std::uint64_t>(pid) * 16};
  }

  std::optional<FrontmostApplication> frontmost;
  std::vector<FrontmostApplication> activated;
  std::vector<std::string> opened;
  bool succeeds = true;
  mutable int frontmostReads = 0;
};

}  // namespace oskel
