// The operating-system services that the About dialog's system-information launch needs: a
// read-only registry, a file test, a program start and a message box. One implementation talks
// to Windows, one stands in where there is no registry, and a recording double serves the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zelmarino::platform {

// Predefined root keys, by the 32-bit values that Windows gives them.
enum class RootKey : std::uint32_t {
    LocalMachine = 0x80000002U,
};

// An open registry key; only the implementation that opened it knows what the number means.
enum class KeyHandle : std::uintptr_t {};

// Registry value types, by their Windows numbers; a value may carry any other number too.
enum class ValueType : std::uint32_t {
    None = 0,
    String = 1, // REG_SZ
    ExpandString = 2,
    Binary = 3,
    Dword = 4, // REG_DWORD, little-endian
};

// Access rights for opening a key: querying values is all this program ever needs.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001U;

// What a successful read of a value reports: its type and the number of bytes written.
struct ValueRead {
    ValueType type = ValueType::None;
    std::size_t size = 0;
};

class System {
public:
    virtual ~System() = default;

    // Opens `path` below `root` with the given access rights; nothing when that is refused or
    // the key does not exist.
    virtual std::optional<KeyHandle> openKey(RootKey root, const std::string& path,
                                             std::uint32_t access) = 0;
    // Reads the value `name` of an open key into `buffer`. Nothing when the value is missing or
    // does not fit in the buffer.
    virtual std::optional<ValueRead> queryValue(KeyHandle key, const std::string& name,
                                                std::span<char> buffer) = 0;
    virtual void closeKey(KeyHandle key) = 0;

    // The name of the first normal file that matches `path`, or empty text if none does.
    virtual std::string findFile(const std::string& path) = 0;
    // Starts the program at the full path `path` on its own, without a shell and without
    // waiting for it; false when it cannot be started.
    virtual bool startProgram(const std::string& path) = 0;
    // A message box with an OK button only and no icon; returns when the user closes it.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;

protected:
    System() = default;
    System(const System&) = default;
    System& operator=(const System&) = default;
    System(System&&) = default;
    System& operator=(System&&) = default;
};

} // namespace zelmarino::platform
