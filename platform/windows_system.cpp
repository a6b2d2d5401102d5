#include "platform/windows_system.h"

#include <windows.h>

namespace zelmarino::platform {
namespace {

// Predefined keys are 32-bit numbers sign-extended to the width of a handle.
HKEY rootHandle(RootKey root) {
    const auto number = static_cast<LONG>(static_cast<std::uint32_t>(root));
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(number));
}

HKEY keyHandle(KeyHandle key) {
    return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(key));
}

// Closes a search handle on every path out of the listing.
class FileSearch {
public:
    FileSearch(const std::string& path, WIN32_FIND_DATAA& found)
        : m_handle(::FindFirstFileA(path.c_str(), &found)) {}
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;
    FileSearch(FileSearch&&) = delete;
    FileSearch& operator=(FileSearch&&) = delete;
    ~FileSearch() {
        if (found()) {
            ::FindClose(m_handle);
        }
    }

    [[nodiscard]] bool found() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool next(WIN32_FIND_DATAA& found) { return ::FindNextFileA(m_handle, &found) != FALSE; }

private:
    HANDLE m_handle;
};

// A normal file: neither a directory nor hidden, system or a volume label.
bool isNormalFile(const WIN32_FIND_DATAA& entry) {
    constexpr DWORD notNormal =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | 0x8U;
    return (entry.dwFileAttributes & notNormal) == 0;
}

} // namespace

static_assert(kKeyQueryValue == KEY_QUERY_VALUE);

std::optional<KeyHandle> WindowsSystem::openKey(RootKey root, const std::string& path,
                                                std::uint32_t access) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(rootHandle(root), path.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return KeyHandle{reinterpret_cast<std::uintptr_t>(key)};
}

std::optional<ValueRead> WindowsSystem::queryValue(KeyHandle key, const std::string& name,
                                                   std::span<char> buffer) {
    DWORD type = REG_NONE;
    auto size = static_cast<DWORD>(buffer.size());
    if (::RegQueryValueExA(keyHandle(key), name.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return ValueRead{static_cast<ValueType>(type), size};
}

void WindowsSystem::closeKey(KeyHandle key) {
    ::RegCloseKey(keyHandle(key));
}

std::string WindowsSystem::findFile(const std::string& path) {
    WIN32_FIND_DATAA entry{};
    FileSearch search(path, entry);
    if (!search.found()) {
        return {};
    }
    do {
        if (isNormalFile(entry)) {
            return entry.cFileName;
        }
    } while (search.next(entry));
    return {};
}

bool WindowsSystem::startProgram(const std::string& path) {
    // The path is the application name, so the system never splits it at blanks and never
    // searches; the command line repeats it, quoted, as the program's first word.
    std::string commandLine = '"' + path + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         nullptr, &startup, &process) == FALSE) {
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

void WindowsSystem::showMessage(const std::string& title, const std::string& text) {
    ::MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK);
}

} // namespace zelmarino::platform
