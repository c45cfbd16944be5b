// The status menu as a model: its items in order, each with a title, a check mark, an
// enabled state and the command it runs. The desktop draws it and calls the command of
// the item the user chose; the application controller keeps the titles, marks and
// enabled states current and tells the view through the change handler.
//
// Main thread only.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace oskel {

enum class MenuCommand {
  none,
  openTimeline,
  toggleClipboardCapture,
  clearAllHistory,
  useOskelCloud,
  useDirectOrv,
  configureDirectOrvKey,
  removeDirectOrvKey,
  useCommandVForSmartPaste,
  useCommandJForSmartPaste,
  quit,
};

// The items the controller updates by name.
enum class MenuItemId {
  openTimeline,
  capture,
  clearAll,
  backend,
  cloudBackend,
  directBackend,
  configureDirectKey,
  removeDirectKey,
  shortcut,
  commandVShortcut,
  commandJShortcut,
  quit,
  separator,
};

struct MenuItem {
  MenuItemId id = MenuItemId::separator;
  std::string title;
  MenuCommand command = MenuCommand::none;
  bool marked = false;
  bool enabled = true;
  std::string keyEquivalent;  // "q" for Quit (with the Command key); empty otherwise
  std::string submenuTitle;   // non-empty when the item opens a submenu
  std::vector<MenuItem> submenu;

  bool isSeparator() const { return id == MenuItemId::separator; }
};

class StatusMenu {
 public:
  // The title shown instead of the template image when the image is missing.
  static constexpr const char* kFallbackTitle = "O";
  static constexpr const char* kAccessibilityLabel = "Oskel Beta";

  // Top-level items, top to bottom.
  const std::vector<MenuItem>& items() const { return items_; }

  // Appends a top-level item (or a separator) and returns it.
  MenuItem& add(MenuItem item);

  // The item with this id, at any depth; null when it does not exist yet.
  MenuItem* find(MenuItemId id);
  const MenuItem* find(MenuItemId id) const;

  // Each setter skips a missing item and tells the change handler only on a real change.
  void setTitle(MenuItemId id, const std::string& title);
  void setMarked(MenuItemId id, bool marked);
  void setEnabled(MenuItemId id, bool enabled);

  void setOnChanged(std::function<void()> handler) { onChanged_ = std::move(handler); }

 private:
  void changed() const;
  std::vector<MenuItem> items_;
  std::function<void()> onChanged_;
};

}  // namespace oskel
