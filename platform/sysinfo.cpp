#include "platform/sysinfo.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string_view>

namespace zelmarino::platform {
namespace {

// Closes the key however the read ends, including by an exception.
class OpenKey {
public:
    OpenKey(System& system, KeyHandle key)
        : m_system(system)
        , m_key(key) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    OpenKey(OpenKey&&) = delete;
    OpenKey& operator=(OpenKey&&) = delete;
    ~OpenKey() { m_system.closeKey(m_key); }

    [[nodiscard]] KeyHandle handle() const { return m_key; }

private:
    System& m_system;
    KeyHandle m_key;
};

// The bytes of a DWORD as stored, least significant first; a dropped final zero byte changes
// nothing.
std::string dwordText(std::string_view bytes) {
    if (bytes.size() > sizeof(std::uint32_t)) {
        throw std::overflow_error("DWORD value longer than four bytes");
    }
    std::uint32_t number = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        number = (number << 8U) | static_cast<unsigned char>(bytes[i]);
    }
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    return {digits.data(), result.ptr};
}

} // namespace

bool GetKeyValue(System& system, RootKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    const auto handle = system.openKey(KeyRoot, KeyName, kKeyQueryValue);
    if (!handle) {
        KeyVal.clear();
        return false;
    }
    const OpenKey key(system, *handle);

    std::array<char, kValueBufferSize> buffer{};
    const auto read = system.queryValue(key.handle(), SubKeyRef, buffer);
    if (!read) {
        KeyVal.clear();
        return false;
    }
    if (read->size == 0 || read->size > buffer.size()) {
        throw std::length_error("registry value reported with an unusable size");
    }
    // A value normally ends in a zero byte, which is not part of the text.
    const std::size_t kept = buffer[read->size - 1] == '\0' ? read->size - 1 : read->size;
    const std::string_view text(buffer.data(), kept);

    switch (read->type) {
    case ValueType::String:
        KeyVal.assign(text);
        break;
    case ValueType::Dword:
        KeyVal = dwordText(text);
        break;
    default:
        break;
    }
    return true;
}

namespace {

// Steps of the look-up in their fixed order; false as soon as one fails.
bool findAndStartTool(System& system) {
    std::string path;
    if (!GetKeyValue(system, RootKey::LocalMachine, kMsinfoKey, kMsinfoPathValue, path)) {
        if (!GetKeyValue(system, RootKey::LocalMachine, kToolsLocationKey, kToolsLocationValue,
                         path)) {
            return false;
        }
        if (system.findFile(path + kMsinfoFile).empty()) {
            return false;
        }
        path += kMsinfoFile;
    }
    // The path from "PATH" is started untested: a start that fails says enough.
    return system.startProgram(path);
}

} // namespace

void StartSysInfo(System& system, const std::string& applicationTitle) {
    bool started = false;
    try {
        started = findAndStartTool(system);
    } catch (const std::exception&) {
        // Whatever went wrong, the user learns only that the tool is not available.
    }
    if (!started) {
        system.showMessage(applicationTitle, kSysInfoUnavailable);
    }
}

} // namespace zelmarino::platform
