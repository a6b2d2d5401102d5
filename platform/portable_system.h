// The stand-in for systems without a registry: its registry holds one value, the "PATH" of the
// system-information tool, and only when such a tool is installed.
#pragma once

#include "platform/show_message.h"
#include "platform/system.h"

#include <string>
#include <vector>

namespace zelmarino::platform {

class PortableSystem final : public System {
public:
    // `tools` are full paths tried in order; the first executable file among them is the tool.
    PortableSystem(std::vector<std::string> tools, ShowMessage showMessage);

    // Where the usual system-information programs of a desktop install themselves.
    static std::vector<std::string> standardTools();

    std::optional<KeyHandle> openKey(RootKey root, const std::string& path,
                                     std::uint32_t access) override;
    std::optional<ValueRead> queryValue(KeyHandle key, const std::string& name,
                                        std::span<char> buffer) override;
    void closeKey(KeyHandle key) override;
    std::string findFile(const std::string& path) override;
    bool startProgram(const std::string& path) override;
    void showMessage(const std::string& title, const std::string& text) override;

private:
    [[nodiscard]] std::string installedTool() const;

    std::vector<std::string> m_tools;
    ShowMessage m_showMessage;
};

} // namespace zelmarino::platform
