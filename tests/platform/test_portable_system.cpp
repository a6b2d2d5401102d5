// The stand-in for systems without a registry: the tool it presents, the file test and the
// start of a program by its full path.
#include "platform/portable_system.h"
#include "platform/sysinfo.h"
#include "tests/platform/scratch_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace zelmarino::platform {
namespace {

using testing_support::appears;
using testing_support::ScratchDir;

// A program that leaves `marker` behind when it runs.
std::string markerScript(const std::filesystem::path& marker) {
    return "#!/bin/sh\n: > '" + marker.string() + "'\n";
}

struct Shown {
    std::vector<std::string> messages;
    ShowMessage box() {
        return [this](const std::string& title, const std::string& text) {
            messages.push_back(title + ": " + text);
        };
    }
};

TEST(PortableSystem, presents_the_first_installed_tool_as_the_path_value) {
    const ScratchDir dir("tools");
    const auto notExecutable = dir.write("first", "#!/bin/sh\n");
    const auto tool = dir.write("second", "#!/bin/sh\n", true);
    const auto later = dir.write("third", "#!/bin/sh\n", true);
    PortableSystem system(
        {(dir.path() / "missing").string(), notExecutable.string(), tool.string(), later.string()},
        {});
    std::string path;

    EXPECT_TRUE(GetKeyValue(system, RootKey::LocalMachine, kMsinfoKey, "PATH", path));
    EXPECT_EQ(path, tool.string());
}

TEST(PortableSystem, has_no_other_value_and_no_other_key) {
    const ScratchDir dir("tools");
    PortableSystem system({dir.write("tool", "#!/bin/sh\n", true).string()}, {});
    std::string text = "old";

    EXPECT_FALSE(GetKeyValue(system, RootKey::LocalMachine, kMsinfoKey, "MSINFO", text));
    EXPECT_FALSE(
        GetKeyValue(system, RootKey::LocalMachine, kToolsLocationKey, kToolsLocationValue, text));
    EXPECT_EQ(text, "");
}

TEST(PortableSystem, without_a_tool_the_message_appears) {
    const ScratchDir dir("tools");
    Shown shown;
    PortableSystem system({(dir.path() / "hardinfo").string()}, shown.box());

    StartSysInfo(system, "Zelmarino");

    EXPECT_EQ(shown.messages,
              std::vector<std::string>{"Zelmarino: " + std::string(kSysInfoUnavailable)});
}

TEST(PortableSystem, a_tool_path_too_long_for_the_buffer_counts_as_missing) {
    const ScratchDir dir("tools");
    const std::filesystem::path deep = std::string(250, 'd') + "/" + std::string(250, 'e') + "/" +
                                       std::string(250, 'f') + "/" + std::string(250, 'g');
    PortableSystem system({dir.write(deep / "tool", "#!/bin/sh\n", true).string()}, {});
    std::string path;

    EXPECT_FALSE(GetKeyValue(system, RootKey::LocalMachine, kMsinfoKey, "PATH", path));
}

TEST(PortableSystem, starts_the_installed_tool_through_the_whole_look_up) {
    const ScratchDir dir("start");
    const auto marker = dir.path() / "ran";
    Shown shown;
    PortableSystem system({dir.write("sys info/tool", markerScript(marker), true).string()},
                          shown.box());

    StartSysInfo(system, "Zelmarino");

    EXPECT_TRUE(appears(marker));
    EXPECT_TRUE(shown.messages.empty());
}

// A program in a directory whose name has blanks must run as itself: nothing may split its
// path at a blank and run "Program" instead, and no shell may read the path.
TEST(PortableSystem, starts_a_path_with_blanks_as_one_program) {
    const ScratchDir dir("blanks");
    const auto rightMarker = dir.path() / "right";
    const auto decoyMarker = dir.path() / "decoy";
    static_cast<void>(dir.write("Program", markerScript(decoyMarker), true));
    const auto program =
        dir.write("Program Files; touch x/tool $(x)", markerScript(rightMarker), true);
    PortableSystem system({}, {});

    EXPECT_TRUE(system.startProgram(program.string()));
    EXPECT_TRUE(appears(rightMarker));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(std::filesystem::exists(decoyMarker));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x"));
}

struct StartFailure {
    const char* name;
    const char* file; // written below the scratch directory; empty: nothing written
    const char* contents;
    bool executable;
};

class PortableStartFailure : public ::testing::TestWithParam<StartFailure> {};

TEST_P(PortableStartFailure, reports_that_nothing_started) {
    const auto& c = GetParam();
    const ScratchDir dir("fail");
    const auto marker = dir.path() / "ran";
    std::string path = dir.path().string() + "/" + c.file;
    if (*c.contents != '\0') {
        path = dir.write(c.file, std::string(c.contents) + " '" + marker.string() + "'\n",
                         c.executable)
                   .string();
    }
    PortableSystem system({}, {});

    EXPECT_FALSE(system.startProgram(path));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(std::filesystem::exists(marker));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortableStartFailure,
    ::testing::Values(StartFailure{"missing_file", "absent", "", true},
                      StartFailure{"not_executable", "tool", "#!/bin/sh\n:>", false},
                      // Only a shell would run a script without its #! line.
                      StartFailure{"script_without_interpreter_line", "tool", ":>", true}),
    [](const ::testing::TestParamInfo<StartFailure>& testCase) { return testCase.param.name; });

TEST(PortableSystem, empty_path_starts_nothing) {
    PortableSystem system({}, {});
    EXPECT_FALSE(system.startProgram(""));
}

TEST(PortableSystem, file_test_names_only_a_normal_file) {
    const ScratchDir dir("files");
    static_cast<void>(dir.write("MSINFO32.EXE", "x"));
    static_cast<void>(dir.write(".hidden", "x"));
    std::filesystem::create_directories(dir.path() / "folder");
    PortableSystem system({}, {});

    EXPECT_EQ(system.findFile((dir.path() / "MSINFO32.EXE").string()), "MSINFO32.EXE");
    EXPECT_EQ(system.findFile((dir.path() / "absent").string()), "");
    EXPECT_EQ(system.findFile((dir.path() / "folder").string()), "");
    EXPECT_EQ(system.findFile((dir.path() / ".hidden").string()), "");
}

} // namespace
} // namespace zelmarino::platform
