// Finding and starting the system-information tool, against the recording double.
#include "platform/recording_system.h"
#include "platform/sysinfo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zelmarino::platform {
namespace {

constexpr auto kRoot = RootKey::LocalMachine;
constexpr const char* kTool =
    R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo\MSINFO32.EXE)";
constexpr const char* kToolDirectory = R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo)";
constexpr const char* kTitle = "Zelmarino";

void pathValue(RecordingSystem& system, RecordingSystem::Value value) {
    system.setValue(kRoot, kMsinfoKey, kMsinfoPathValue, std::move(value));
}

void locationValue(RecordingSystem& system, const std::string& directory) {
    system.setValue(kRoot, kToolsLocationKey, kToolsLocationValue,
                    RecordingSystem::text(directory));
}

struct LaunchCase {
    const char* name;
    std::function<void(RecordingSystem&)> arrange;
    std::vector<std::string> started;
    bool message;
};

class StartSysInfoLaunch : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfoLaunch, starts_the_tool_or_says_it_is_unavailable) {
    const auto& c = GetParam();
    RecordingSystem system;
    c.arrange(system);

    StartSysInfo(system, kTitle);

    EXPECT_EQ(system.started(), c.started);
    const std::vector<RecordingSystem::Message> expected =
        c.message ? std::vector<RecordingSystem::Message>{{kTitle, kSysInfoUnavailable}}
                  : std::vector<RecordingSystem::Message>{};
    EXPECT_EQ(system.messages(), expected);
    EXPECT_EQ(system.openKeys(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartSysInfoLaunch,
    ::testing::Values(LaunchCase{"path_value_is_started_whole_blanks_and_all",
                                 [](RecordingSystem& s) {
                                     pathValue(s, RecordingSystem::text(kTool));
                                     s.addProgram(kTool);
                                 },
                                 {kTool},
                                 false},
                      LaunchCase{
                          "path_value_that_cannot_be_started",
                          [](RecordingSystem& s) { pathValue(s, RecordingSystem::text(kTool)); },
                          {},
                          true},
                      LaunchCase{"location_with_the_tool_in_it",
                                 [](RecordingSystem& s) {
                                     locationValue(s, kToolDirectory);
                                     s.addFile(kTool);
                                     s.addProgram(kTool);
                                 },
                                 {kTool},
                                 false},
                      LaunchCase{"location_without_the_tool",
                                 [](RecordingSystem& s) {
                                     locationValue(s, kToolDirectory);
                                     s.addProgram(kTool);
                                 },
                                 {},
                                 true},
                      LaunchCase{"neither_value", [](RecordingSystem&) {}, {}, true},
                      LaunchCase{"path_key_without_its_value_falls_back_to_the_location",
                                 [](RecordingSystem& s) {
                                     s.addKey(kRoot, kMsinfoKey);
                                     locationValue(s, kToolDirectory);
                                     s.addFile(kTool);
                                     s.addProgram(kTool);
                                 },
                                 {kTool},
                                 false},
                      LaunchCase{"overlong_path_falls_back_to_the_location",
                                 [](RecordingSystem& s) {
                                     pathValue(s, RecordingSystem::text(std::string(2000, 'x')));
                                     locationValue(s, kToolDirectory);
                                     s.addFile(kTool);
                                     s.addProgram(kTool);
                                 },
                                 {kTool},
                                 false},
                      LaunchCase{"path_of_another_type_starts_nothing",
                                 [](RecordingSystem& s) {
                                     pathValue(s, {ValueType::Binary, "C:\\a.exe", {}});
                                     s.addProgram(kTool);
                                 },
                                 {},
                                 true},
                      LaunchCase{"path_of_size_zero_is_an_error",
                                 [](RecordingSystem& s) {
                                     pathValue(s, {ValueType::String, "", {}});
                                     locationValue(s, kToolDirectory);
                                     s.addFile(kTool);
                                     s.addProgram(kTool);
                                 },
                                 {},
                                 true},
                      LaunchCase{"a_start_that_throws",
                                 [](RecordingSystem& s) {
                                     pathValue(s, RecordingSystem::text(kTool));
                                     s.throwOnStart();
                                 },
                                 {},
                                 true}),
    [](const ::testing::TestParamInfo<LaunchCase>& testCase) { return testCase.param.name; });

TEST(StartSysInfo, looks_up_path_then_location_read_only_and_tests_the_file) {
    RecordingSystem system;
    system.addKey(kRoot, kMsinfoKey);
    locationValue(system, "D:\\Tools");

    StartSysInfo(system, kTitle);

    const std::vector<std::string> expected{
        R"(openKey SOFTWARE\Microsoft\Shared Tools\MSINFO access=1)",
        "queryValue PATH",
        "closeKey",
        R"(openKey SOFTWARE\Microsoft\Shared Tools Location access=1)",
        "queryValue MSINFO",
        "closeKey",
        R"(findFile D:\Tools\MSINFO32.EXE)",
        "showMessage Zelmarino: Le informazioni sul sistema non sono attualmente disponibili.",
    };
    EXPECT_EQ(system.calls(), expected);
}

TEST(StartSysInfo, path_value_is_started_without_a_file_test) {
    RecordingSystem system;
    pathValue(system, RecordingSystem::text(kTool));
    system.addProgram(kTool);

    StartSysInfo(system, kTitle);

    for (const auto& call : system.calls()) {
        EXPECT_NE(call.rfind("findFile", 0), 0U) << call;
    }
}

TEST(StartSysInfo, size_zero_error_skips_the_location_look_up) {
    RecordingSystem system;
    pathValue(system, {ValueType::String, "", {}});
    locationValue(system, kToolDirectory);

    StartSysInfo(system, kTitle);

    for (const auto& call : system.calls()) {
        EXPECT_EQ(call.find("Shared Tools Location"), std::string::npos) << call;
    }
    EXPECT_EQ(system.messages().size(), 1U);
}

} // namespace
} // namespace zelmarino::platform
