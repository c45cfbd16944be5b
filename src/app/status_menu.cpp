#include "app/status_menu.h"

namespace oskel {
namespace {

template <typename Items>
auto* findIn(Items& items, MenuItemId id) {
  for (auto& item : items) {
    if (item.id == id && id != MenuItemId::separator) return &item;
    if (auto* found = findIn(item.submenu, id)) return found;
  }
  return static_cast<decltype(&items[0])>(nullptr);
}

}  // namespace

MenuItem& StatusMenu::add(MenuItem item) {
  items_.push_back(std::move(item));
  changed();
  return items_.back();
}

MenuItem* StatusMenu::find(MenuItemId id) { return findIn(items_, id); }

const MenuItem* StatusMenu::find(MenuItemId id) const { return findIn(items_, id); }

void StatusMenu::setTitle(MenuItemId id, const std::string& title) {
  MenuItem* item = find(id);
  if (item == nullptr || item->title == title) return;
  item->title = title;
  changed();
}

void StatusMenu::setMarked(MenuItemId id, bool marked) {
  MenuItem* item = find(id);
  if (item == nullptr || item->marked == marked) return;
  item->marked = marked;
  changed();
}

void StatusMenu::setEnabled(MenuItemId id, bool enabled) {
  MenuItem* item = find(id);
  if (item == nullptr || item->enabled == enabled) return;
  item->enabled = enabled;
  changed();
}

void StatusMenu::changed() const {
  if (onChanged_) onChanged_();
}

}  // namespace oskel
