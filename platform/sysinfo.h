// Finding and starting the system-information tool for the About dialog's "&System Info..."
// button. Kept apart from the window so that it runs against any `platform::System`.
#pragma once

#include "platform/system.h"

#include <cstddef>
#include <string>

namespace zelmarino::platform {

// Size of the buffer a registry value is read into; a longer value counts as missing.
inline constexpr std::size_t kValueBufferSize = 1024;

inline constexpr const char* kMsinfoKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
inline constexpr const char* kMsinfoPathValue = "PATH";
inline constexpr const char* kToolsLocationKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
inline constexpr const char* kToolsLocationValue = "MSINFO";
inline constexpr const char* kMsinfoFile = R"(\MSINFO32.EXE)";
inline constexpr const char* kSysInfoUnavailable =
    "Le informazioni sul sistema non sono attualmente disponibili.";

// Reads the value `SubKeyRef` of the key `KeyName` below `KeyRoot` as text into `KeyVal`.
// A missing key or value (or one longer than the buffer) gives false with `KeyVal` empty. A string
// becomes `KeyVal` without its final zero, a DWORD its decimal number; a value of any other type
// leaves `KeyVal` as it was and still gives true. A value reported with size 0 throws. The key
// is closed on every path.
bool GetKeyValue(System& system, RootKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// Starts the tool named by the "PATH" value, or else MSINFO32.EXE in the directory named by the
// tools location, if it is there. Any failure, including one thrown by `system`, ends in one
// message box titled `applicationTitle`.
void StartSysInfo(System& system, const std::string& applicationTitle);

} // namespace zelmarino::platform
