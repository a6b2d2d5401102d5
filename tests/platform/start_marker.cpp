// A stand-in for a started tool: it leaves "<its own path>.started" behind, so a test can tell
// which program a start really ran.
#include <array>
#include <string>
#include <windows.h>

int main() {
    std::array<char, MAX_PATH> own{};
    const DWORD length = ::GetModuleFileNameA(nullptr, own.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return 1;
    }
    const std::string marker = std::string(own.data(), length) + ".started";
    const HANDLE file = ::CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    ::CloseHandle(file);
    return 0;
}
