// The desktop's workspace: the application in front, bringing an application to the front,
// and opening an address with the user's preferred handler. Main thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace oskel {

// The application that owns the active window.
struct FrontmostApplication {
  std::optional<std::string> name;  // display name ("Firefox"), nothing when unknown
  std::int64_t processId = 0;       // 0 when unknown
  std::uint64_t window = 0;         // the platform's handle of its active window; 0 when none

  bool operator==(const FrontmostApplication&) const = default;
};

class Workspace {
 public:
  virtual ~Workspace() = default;

  // The application in front, or nothing when no window is active.
  virtual std::optional<FrontmostApplication> frontmostApplication() const = 0;

  // Brings the application (its window) back to the front. False when it cannot be asked.
  virtual bool activate(const FrontmostApplication& application) = 0;

  // Opens the address (a URL, or a settings page's address) with the desktop's handler.
  virtual bool openURL(const std::string& url) = 0;
};

}  // namespace oskel
