#pragma once
// The list view's event types, for headers that keep a list view's handlers or name its items by pointer
// without needing the list view itself (include ListView.h where a list view is made or used).
#include <functional>

namespace ui {

class Component;
class ListItem;
class ListView;

enum ItemChange { ctText, ctImage, ctState };

using LVChangeEvent = std::function<void(Component* sender, ListItem* item, ItemChange change)>;
using LVSelectItemEvent = std::function<void(Component* sender, ListItem* item, bool selected)>;

}  // namespace ui
