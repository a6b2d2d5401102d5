// Reading one registry value as text, against the recording double.
#include "platform/recording_system.h"
#include "platform/sysinfo.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace zelmarino::platform {
namespace {

constexpr const char* kKey = R"(SOFTWARE\Prova)";
constexpr const char* kName = "Valore";

using Value = RecordingSystem::Value;

struct ReadCase {
    const char* name;
    std::optional<Value> value; // nothing: the key exists without this value
    std::string before;         // what the caller's text holds
    bool found;
    std::string after;
};

class GetKeyValueRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GetKeyValueRead, gives_the_value_as_text_and_closes_the_key) {
    const auto& c = GetParam();
    RecordingSystem system;
    system.addKey(RootKey::LocalMachine, kKey);
    if (c.value) {
        system.setValue(RootKey::LocalMachine, kKey, kName, *c.value);
    }
    std::string text = c.before;

    EXPECT_EQ(GetKeyValue(system, RootKey::LocalMachine, kKey, kName, text), c.found);
    EXPECT_EQ(text, c.after);
    EXPECT_EQ(system.calls().front(), std::string("openKey ") + kKey + " access=1");
    EXPECT_EQ(system.calls().back(), "closeKey");
    EXPECT_EQ(system.openKeys(), 0U);
}

const std::string k1023(1023, 'a');
const std::string k1024(1024, 'b');

INSTANTIATE_TEST_SUITE_P(
    Cases, GetKeyValueRead,
    ::testing::Values(
        ReadCase{"string_drops_its_final_zero", RecordingSystem::text("C:\\x.exe"), "old", true,
                 "C:\\x.exe"},
        ReadCase{"string_without_final_zero_keeps_every_character",
                 Value{ValueType::String, "abc", {}}, "", true, "abc"},
        ReadCase{"only_the_last_reported_zero_is_dropped",
                 Value{ValueType::String, std::string("ab\0\0", 4), {}}, "", true,
                 std::string("ab\0", 3)},
        ReadCase{"empty_string_is_empty_text", RecordingSystem::text(""), "old", true, ""},
        ReadCase{"value_of_exactly_1024_bytes_is_read_whole", RecordingSystem::text(k1023), "",
                 true, k1023},
        ReadCase{"1024_characters_without_zero_are_read_whole", Value{ValueType::String, k1024, {}},
                 "", true, k1024},
        ReadCase{"value_longer_than_the_buffer_counts_as_missing", RecordingSystem::text(k1024),
                 "old", false, ""},
        ReadCase{"missing_value_empties_the_text", std::nullopt, "old", false, ""},
        ReadCase{"dword_is_its_decimal_number",
                 Value{ValueType::Dword, std::string("\x78\x56\x34\x12", 4), {}}, "", true,
                 "305419896"},
        ReadCase{"dword_whose_top_byte_is_zero_keeps_its_number",
                 Value{ValueType::Dword, std::string("\x05\x01\x00\x00", 4), {}}, "", true, "261"},
        ReadCase{"dword_of_all_ones_is_unsigned",
                 Value{ValueType::Dword, std::string("\xff\xff\xff\xff", 4), {}}, "", true,
                 "4294967295"},
        ReadCase{"dword_zero", Value{ValueType::Dword, std::string(4, '\0'), {}}, "x", true, "0"},
        ReadCase{"other_type_leaves_the_text_as_it_was", Value{ValueType::Binary, "ABC", {}},
                 "kept", true, "kept"},
        ReadCase{"expandable_string_is_another_type",
                 Value{ValueType::ExpandString, RecordingSystem::text("%TEMP%").bytes, {}}, "kept",
                 true, "kept"}),
    [](const ::testing::TestParamInfo<ReadCase>& testCase) { return testCase.param.name; });

TEST(GetKeyValue, missing_key_empties_the_text_and_opens_nothing) {
    RecordingSystem system;
    std::string text = "old";

    EXPECT_FALSE(GetKeyValue(system, RootKey::LocalMachine, kKey, kName, text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(system.calls().size(), 1U);
}

TEST(GetKeyValue, key_and_value_names_match_regardless_of_case) {
    RecordingSystem system;
    system.setValue(RootKey::LocalMachine, R"(software\prova)", "valore",
                    RecordingSystem::text("x"));
    std::string text;

    EXPECT_TRUE(GetKeyValue(system, RootKey::LocalMachine, kKey, kName, text));
    EXPECT_EQ(text, "x");
}

struct UnusableSizeCase {
    const char* name;
    Value value;
};

class GetKeyValueUnusableSize : public ::testing::TestWithParam<UnusableSizeCase> {};

TEST_P(GetKeyValueUnusableSize, throws_and_still_closes_the_key) {
    RecordingSystem system;
    system.setValue(RootKey::LocalMachine, kKey, kName, GetParam().value);
    std::string text = "old";

    EXPECT_THROW(GetKeyValue(system, RootKey::LocalMachine, kKey, kName, text), std::exception);
    EXPECT_EQ(system.openKeys(), 0U);
    EXPECT_EQ(system.calls().back(), "closeKey");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetKeyValueUnusableSize,
    ::testing::Values(
        UnusableSizeCase{"empty_data", Value{ValueType::String, "", {}}},
        UnusableSizeCase{
            "size_reported_as_zero",
            RecordingSystem::Value{ValueType::String, RecordingSystem::text("abc").bytes, 0}},
        UnusableSizeCase{"empty_dword", Value{ValueType::Dword, "", {}}},
        UnusableSizeCase{"size_beyond_the_buffer", Value{ValueType::String, "a", 2000}}),
    [](const ::testing::TestParamInfo<UnusableSizeCase>& testCase) { return testCase.param.name; });

} // namespace
} // namespace zelmarino::platform
