#include "platform/make_system.h"

#ifdef _WIN32
#include "platform/windows_system.h"
#else
#include "platform/portable_system.h"
#endif

#include <utility>

namespace zelmarino::platform {

std::unique_ptr<System> makeSystem([[maybe_unused]] ShowMessage showMessage) {
#ifdef _WIN32
    return std::make_unique<WindowsSystem>();
#else
    return std::make_unique<PortableSystem>(PortableSystem::standardTools(),
                                            std::move(showMessage));
#endif
}

} // namespace zelmarino::platform
