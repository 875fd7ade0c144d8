// Popup menus of the window framework stand-in.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/component.h"

class TControl;

struct TMenuItem {
  std::string Caption;
  TNotifyEvent OnClick;
};

class TPopupMenu : public TComponent {
 public:
  using TComponent::TComponent;

  std::vector<TMenuItem> Items;

  // Drops the menu down with its left-top corner at the point x, y of `control` and waits
  // until it closes; then raises the OnClick of the item the user chose, if any. Without a
  // display nothing is chosen.
  void Popup(TControl& control, int x, int y);
};
