// Opens the display: the host that draws the control model in real windows.
#pragma once

#include <memory>

#include "platform/ui/host.h"

// The renderer's host when a display can be opened; nullptr when there is none (or no
// renderer is built for this system). Programs then fall back to the headless host.
std::unique_ptr<UiHost> OpenDisplay();
