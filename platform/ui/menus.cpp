#include "platform/ui/menus.h"

#include "platform/ui/forms.h"

void TPopupMenu::Popup(TControl& control, int x, int y) {
  TApplication* application = TApplication::Current();
  if (application == nullptr) return;
  const int chosen = application->Host().PopupMenu(*this, control, x, y);
  if (chosen < 0 || chosen >= static_cast<int>(Items.size())) return;
  // The handler may change the menu; run a copy of the chosen item's handler.
  TNotifyEvent handler = Items[static_cast<size_t>(chosen)].OnClick;
  if (handler) handler(this);
}
