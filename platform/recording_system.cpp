#include "platform/recording_system.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace zelmarino::platform {
namespace {

std::string folded(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string lastComponent(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void RecordingSystem::addKey(RootKey root, const std::string& key) {
    m_registry[{root, folded(key)}];
}

void RecordingSystem::setValue(RootKey root, const std::string& key, const std::string& name,
                               Value value) {
    m_registry[{root, folded(key)}][folded(name)] = std::move(value);
}

void RecordingSystem::addFile(const std::string& path) {
    m_files.insert(folded(path));
}

void RecordingSystem::addProgram(const std::string& path) {
    m_programs.insert(path);
}

std::optional<KeyHandle> RecordingSystem::openKey(RootKey root, const std::string& path,
                                                  std::uint32_t access) {
    m_calls.push_back("openKey " + path + " access=" + std::to_string(access));
    KeyName name{root, folded(path)};
    if (!m_registry.contains(name)) {
        return std::nullopt;
    }
    const auto handle = KeyHandle{m_nextHandle++};
    m_open.emplace(handle, std::move(name));
    return handle;
}

std::optional<ValueRead> RecordingSystem::queryValue(KeyHandle key, const std::string& name,
                                                     std::span<char> buffer) {
    m_calls.push_back("queryValue " + name);
    const auto open = m_open.find(key);
    if (open == m_open.end()) {
        throw std::logic_error("value read from a key that is not open");
    }
    const auto& values = m_registry.at(open->second);
    const auto value = values.find(folded(name));
    if (value == values.end() || value->second.bytes.size() > buffer.size()) {
        return std::nullopt;
    }
    const auto& bytes = value->second.bytes;
    std::ranges::copy(bytes, buffer.begin());
    return ValueRead{value->second.type, value->second.reportedSize.value_or(bytes.size())};
}

void RecordingSystem::closeKey(KeyHandle key) {
    // Called from destructors, so a wrong handle is recorded rather than thrown.
    m_calls.emplace_back(m_open.erase(key) == 0 ? "closeKey of a key not open" : "closeKey");
}

std::string RecordingSystem::findFile(const std::string& path) {
    m_calls.push_back("findFile " + path);
    return m_files.contains(folded(path)) ? lastComponent(path) : std::string();
}

bool RecordingSystem::startProgram(const std::string& path) {
    m_calls.push_back("startProgram " + path);
    if (m_throwOnStart) {
        throw std::runtime_error("start failed");
    }
    if (!m_programs.contains(path)) {
        return false;
    }
    m_started.push_back(path);
    return true;
}

void RecordingSystem::showMessage(const std::string& title, const std::string& text) {
    m_calls.push_back("showMessage " + title + ": " + text);
    m_messages.push_back({title, text});
}

} // namespace zelmarino::platform
