// The services of the system the program runs on.
#pragma once

#include "platform/show_message.h"
#include "platform/system.h"

#include <memory>

namespace zelmarino::platform {

// On Windows the real registry and message box; elsewhere the stand-in, which shows its
// messages through `showMessage`.
std::unique_ptr<System> makeSystem(ShowMessage showMessage);

} // namespace zelmarino::platform
