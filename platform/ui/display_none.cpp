// Built where no renderer exists: there is never a display to open.
#include "platform/ui/display.h"

std::unique_ptr<UiHost> OpenDisplay() { return nullptr; }
