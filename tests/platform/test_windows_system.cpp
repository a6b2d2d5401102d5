// The Windows services against a real registry and file system. The values and files are put
// in place by .ci/steps/20-windows-platform, in a Wine prefix of their own:
//   HKLM\SOFTWARE\Zelmarino Prova       the values read below
//   HKLM\SOFTWARE\Microsoft\Shared Tools Location, MSINFO = "C:\Zelmarino Prova"
//   C:\Zelmarino Prova\MSINFO32.EXE     and the decoy C:\Zelmarino.exe, both start_marker.exe
#include "platform/sysinfo.h"
#include "platform/windows_system.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace zelmarino::platform {
namespace {

constexpr const char* kKey = R"(SOFTWARE\Zelmarino Prova)";
constexpr const char* kTool = R"(C:\Zelmarino Prova\MSINFO32.EXE)";
constexpr const char* kDecoy = R"(C:\Zelmarino.exe)";

std::string marker(const char* program) {
    return std::string(program) + ".started";
}

bool exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool appears(const std::string& path) {
    for (int waited = 0; waited < 1000; ++waited) {
        if (exists(path)) {
            return true;
        }
        ::Sleep(20);
    }
    return false;
}

struct ReadCase {
    const char* name;
    const char* value;
    bool found;
    std::string text;
};

class WindowsRegistryRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(WindowsRegistryRead, reads_the_value_set_by_reg_add) {
    const auto& c = GetParam();
    WindowsSystem system;
    std::string text = "kept";

    EXPECT_EQ(GetKeyValue(system, RootKey::LocalMachine, kKey, c.value, text), c.found);
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsRegistryRead,
    ::testing::Values(
        ReadCase{"string_path", "Testo", true, R"(C:\Program Files\Zelmarino Prova\tool.exe)"},
        ReadCase{"empty_string", "Vuoto", true, ""}, ReadCase{"dword", "Numero", true, "305419896"},
        ReadCase{"dword_with_zero_top_byte", "Piccolo", true, "261"},
        ReadCase{"binary_leaves_the_text", "Binario", true, "kept"},
        ReadCase{"string_of_exactly_1024_bytes", "Esatto", true, std::string(1023, 'a')},
        ReadCase{"string_longer_than_the_buffer", "Lungo", false, ""},
        ReadCase{"missing_value", "Assente", false, ""}),
    [](const ::testing::TestParamInfo<ReadCase>& testCase) { return testCase.param.name; });

TEST(WindowsRegistry, missing_key_reads_as_missing) {
    WindowsSystem system;
    std::string text = "old";

    EXPECT_FALSE(
        GetKeyValue(system, RootKey::LocalMachine, R"(SOFTWARE\Zelmarino Assente)", "Testo", text));
    EXPECT_EQ(text, "");
}

TEST(WindowsRegistry, value_of_size_zero_is_an_error) {
    WindowsSystem system;
    std::string text;

    EXPECT_THROW(GetKeyValue(system, RootKey::LocalMachine, kKey, "Nullo", text), std::exception);
}

TEST(WindowsRegistry, key_is_opened_for_querying_only) {
    WindowsSystem system;
    const auto key = system.openKey(RootKey::LocalMachine, kKey, kKeyQueryValue);
    ASSERT_TRUE(key.has_value());

    // A handle opened for reading must refuse a write.
    const HKEY handle = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(*key));
    const BYTE data[] = "x";
    EXPECT_NE(::RegSetValueExA(handle, "Scritto", 0, REG_SZ, data, sizeof(data)), ERROR_SUCCESS);
    system.closeKey(*key);
}

TEST(WindowsFiles, file_test_names_only_a_normal_file) {
    WindowsSystem system;

    EXPECT_EQ(system.findFile(kTool), "MSINFO32.EXE");
    EXPECT_EQ(system.findFile(R"(c:\zelmarino prova\msinfo32.exe)"), "MSINFO32.EXE");
    EXPECT_EQ(system.findFile(R"(C:\Zelmarino Prova\ASSENTE.EXE)"), "");
    EXPECT_EQ(system.findFile(R"(C:\Zelmarino Prova)"), "");
}

class WindowsStart : public ::testing::Test {
protected:
    void SetUp() override {
        ::DeleteFileA(marker(kTool).c_str());
        ::DeleteFileA(marker(kDecoy).c_str());
    }
};

// Shows that the decoy is placed right: a bare command line with a blank runs it.
TEST_F(WindowsStart, bare_command_line_would_run_the_decoy) {
    std::string commandLine = kTool;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &process));
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);

    EXPECT_TRUE(exists(marker(kDecoy)));
    EXPECT_FALSE(exists(marker(kTool)));
}

TEST_F(WindowsStart, sys_info_starts_the_tool_found_through_the_location_by_its_full_path) {
    WindowsSystem system;
    std::string path = "unread";
    ASSERT_FALSE(GetKeyValue(system, RootKey::LocalMachine, kMsinfoKey, kMsinfoPathValue, path))
        << "the prefix should have no PATH value";

    StartSysInfo(system, "Zelmarino");

    EXPECT_TRUE(appears(marker(kTool)));
    EXPECT_FALSE(exists(marker(kDecoy)));
}

TEST_F(WindowsStart, what_cannot_be_started_reports_false) {
    WindowsSystem system;

    EXPECT_FALSE(system.startProgram(R"(C:\Zelmarino Prova\ASSENTE.EXE)"));
    EXPECT_FALSE(system.startProgram(R"(C:\Zelmarino Prova)"));
    EXPECT_FALSE(system.startProgram(""));
}

} // namespace
} // namespace zelmarino::platform
