#include "platform/portable_system.h"

#include "platform/sysinfo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace zelmarino::platform {
namespace {

// The one key there is; any other number would be an error of the caller.
constexpr auto kToolKey = KeyHandle{1};

bool sameText(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

} // namespace

PortableSystem::PortableSystem(std::vector<std::string> tools, ShowMessage showMessage)
    : m_tools(std::move(tools))
    , m_showMessage(std::move(showMessage)) {}

std::vector<std::string> PortableSystem::standardTools() {
    std::vector<std::string> tools;
    for (const char* name : {"hardinfo2", "hardinfo", "kinfocenter"}) {
        for (const char* directory : {"/usr/bin/", "/usr/local/bin/"}) {
            tools.push_back(std::string(directory) + name);
        }
    }
    return tools;
}

std::string PortableSystem::installedTool() const {
    for (const auto& tool : m_tools) {
        std::error_code error;
        if (std::filesystem::is_regular_file(tool, error) && ::access(tool.c_str(), X_OK) == 0) {
            return tool;
        }
    }
    return {};
}

std::optional<KeyHandle> PortableSystem::openKey(RootKey root, const std::string& path,
                                                 std::uint32_t /*access*/) {
    if (root != RootKey::LocalMachine || !sameText(path, kMsinfoKey) || installedTool().empty()) {
        return std::nullopt;
    }
    return kToolKey;
}

std::optional<ValueRead> PortableSystem::queryValue(KeyHandle key, const std::string& name,
                                                    std::span<char> buffer) {
    if (key != kToolKey || !sameText(name, kMsinfoPathValue)) {
        return std::nullopt;
    }
    const std::string tool = installedTool();
    // Stored as Windows stores a string: with its final zero, and only if it fits.
    if (tool.empty() || tool.size() + 1 > buffer.size()) {
        return std::nullopt;
    }
    std::ranges::copy(tool, buffer.begin());
    buffer[tool.size()] = '\0';
    return ValueRead{ValueType::String, tool.size() + 1};
}

void PortableSystem::closeKey(KeyHandle /*key*/) {}

std::string PortableSystem::findFile(const std::string& path) {
    const std::filesystem::path file(path);
    std::string name = file.filename().string();
    std::error_code error;
    if (name.empty() || name.front() == '.' || !std::filesystem::is_regular_file(file, error)) {
        return {};
    }
    return name;
}

bool PortableSystem::startProgram(const std::string& path) {
    // The program file itself is run, with its path as its only word: no shell, no search.
    std::string program = path;
    std::array<char*, 2> argv{program.data(), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    // Nobody waits for the tool, but its exit must still be collected.
    std::thread([child] { ::waitpid(child, nullptr, 0); }).detach();
    return true;
}

void PortableSystem::showMessage(const std::string& title, const std::string& text) {
    if (m_showMessage) {
        m_showMessage(title, text);
    }
}

} // namespace zelmarino::platform
