// A `platform::System` for tests: a registry, files and programs set up by the test, and a record
// of every call made to it, in order.
#pragma once

#include "platform/system.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zelmarino::platform {

class RecordingSystem final : public System {
public:
    struct Value {
        ValueType type = ValueType::String;
        std::string bytes;                       // as stored, with any final zero
        std::optional<std::size_t> reportedSize; // a size to report instead of the real one
    };
    struct Message {
        std::string title;
        std::string text;
        friend bool operator==(const Message&, const Message&) = default;
    };

    // A string value as Windows stores it, with its final zero.
    static Value text(const std::string& value) { return {ValueType::String, value + '\0', {}}; }

    // Keys, value names and file paths match regardless of case, as on Windows.
    void addKey(RootKey root, const std::string& key);
    void setValue(RootKey root, const std::string& key, const std::string& name, Value value);
    void addFile(const std::string& path);
    void addProgram(const std::string& path);
    // Makes every call to `startProgram` throw, as a failing system might.
    void throwOnStart() { m_throwOnStart = true; }

    std::optional<KeyHandle> openKey(RootKey root, const std::string& path,
                                     std::uint32_t access) override;
    std::optional<ValueRead> queryValue(KeyHandle key, const std::string& name,
                                        std::span<char> buffer) override;
    void closeKey(KeyHandle key) override;
    std::string findFile(const std::string& path) override;
    bool startProgram(const std::string& path) override;
    void showMessage(const std::string& title, const std::string& text) override;

    // Every call, one line each, such as "openKey SOFTWARE\\X access=1" or "startProgram
    // C:\\a.exe".
    [[nodiscard]] const std::vector<std::string>& calls() const { return m_calls; }
    [[nodiscard]] const std::vector<std::string>& started() const { return m_started; }
    [[nodiscard]] const std::vector<Message>& messages() const { return m_messages; }
    // Keys opened and not closed yet.
    [[nodiscard]] std::size_t openKeys() const { return m_open.size(); }

private:
    using KeyName = std::pair<RootKey, std::string>;

    std::map<KeyName, std::map<std::string, Value>> m_registry;
    std::set<std::string> m_files;
    std::set<std::string> m_programs;
    bool m_throwOnStart = false;

    std::map<KeyHandle, KeyName> m_open;
    std::uintptr_t m_nextHandle = 1;
    std::vector<std::string> m_calls;
    std::vector<std::string> m_started;
    std::vector<Message> m_messages;
};

} // namespace zelmarino::platform
