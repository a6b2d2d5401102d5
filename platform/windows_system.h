// The Windows services: the registry through advapi32's ANSI functions, a directory listing,
// a real process start and the system's message box.
#pragma once

#include "platform/system.h"

namespace zelmarino::platform {

class WindowsSystem final : public System {
public:
    std::optional<KeyHandle> openKey(RootKey root, const std::string& path,
                                     std::uint32_t access) override;
    std::optional<ValueRead> queryValue(KeyHandle key, const std::string& name,
                                        std::span<char> buffer) override;
    void closeKey(KeyHandle key) override;
    std::string findFile(const std::string& path) override;
    bool startProgram(const std::string& path) override;
    void showMessage(const std::string& title, const std::string& text) override;
};

} // namespace zelmarino::platform
