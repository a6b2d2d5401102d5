// The form read into a request: each field's reason where it cannot be read, and what the
// request holds where it can.
#include "tests/workbench/case_name.h"
#include "workbench/form_reading.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zelmarino::workbench {
namespace {

FormFields pi75to50() {
    FormFields fields;
    fields.zin = "75";
    fields.zout = "50";
    fields.loss = "10";
    return fields;
}

struct Refused {
    const char* name;
    std::function<void(FormFields&)> change;
    Field field;
    std::size_t arm;
    const char* reason;
};

class RefusedField : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedField, is_marked_with_its_reason_and_nothing_else) {
    FormFields fields = pi75to50();
    GetParam().change(fields);
    const FormReading reading = readForm(fields);
    ASSERT_EQ(reading.errors.size(), 1U);
    const FieldError* error = reading.errorOf(GetParam().field, GetParam().arm);
    ASSERT_NE(error, nullptr) << reading.errors.front().reason;
    EXPECT_EQ(error->reason, GetParam().reason);
}

void checkPi(FormFields& f) {
    f.mode = Mode::Check;
    f.arms = {"220", "91", "47+36"};
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RefusedField,
    ::testing::Values(
        Refused{"empty_zin", [](FormFields& f) { f.zin.clear(); }, Field::Zin, 0, "needed"},
        Refused{"zero_zout", [](FormFields& f) { f.zout = "0"; }, Field::Zout, 0,
                "must be a resistance above 0 ohms"},
        Refused{"word_zin", [](FormFields& f) { f.zin = "abc"; }, Field::Zin, 0, "not a number"},
        Refused{"negative_loss", [](FormFields& f) { f.loss = "-3"; }, Field::Loss, 0,
                "must be a loss above 0 dB"},
        Refused{"range_of_losses", [](FormFields& f) { f.loss = "1:10:1"; }, Field::Loss, 0,
                "must be a loss above 0 dB"},
        Refused{"loss_too_small_for_the_arithmetic",
                [](FormFields& f) {
                    f.network = design::Network::T;
                    f.zout = "75";
                    f.loss = "1e-30";
                },
                Field::Loss, 0, "too small: 10^(A/20) rounds to 1"},
        Refused{"loss_too_large_for_the_arithmetic", [](FormFields& f) { f.loss = "3083.5"; },
                Field::Loss, 0, "too large for double precision"},
        Refused{"tolerance_of_100", [](FormFields& f) { f.tolerance = "100"; }, Field::Tolerance, 0,
                "must be a percentage above 0 and below 100"},
        Refused{"power_in_volts", [](FormFields& f) { f.power = "3V"; }, Field::Power, 0,
                "not a number of watts or dBm"},
        Refused{"rating_without_power", [](FormFields& f) { f.rating = "0.25"; }, Field::Rating, 0,
                "needs a power, the source power whose dissipation it scales"},
        Refused{"negative_return_loss_floor", [](FormFields& f) { f.minReturnLoss = "-1"; },
                Field::MinReturnLoss, 0, "must be a return loss of 0 dB or more"},
        Refused{"minimum_loss_between_equal_impedances",
                [](FormFields& f) {
                    f.zout = "75";
                    f.minimumLoss = true;
                },
                Field::Loss, 0, "between equal impedances the least loss is 0 dB, no pad at all"},
        Refused{"minimum_loss_of_an_l_with_its_shunt_across_the_larger",
                [](FormFields& f) {
                    f.network = design::Network::LOut;
                    f.shuntAt = design::ShuntAt::Input;
                    f.minimumLoss = true;
                },
                Field::Loss, 0,
                "an L matches both ports only with its shunt across the smaller impedance"},
        Refused{"bridged_t_between_unequal_impedances",
                [](FormFields& f) { f.network = design::Network::BridgedT; }, Field::Zout, 0,
                "a bridged T is matched only between equal impedances"},
        // The lines' objections in the window's words, not the command line's options.
        Refused{"reflection_without_f0",
                [](FormFields& f) {
                    f.network = design::Network::Reflection;
                    f.zin = "50";
                },
                Field::F0, 0, "needs its design frequency f0, where its lines are a quarter wave"},
        Refused{"reflection_with_a_tolerance",
                [](FormFields& f) {
                    f.network = design::Network::Reflection;
                    f.zin = "50";
                    f.f0 = "1G";
                    f.tolerance = "1";
                },
                Field::F0, 0,
                "analysed at f0 alone: the optimisation, the tolerance and the power are analyses "
                "at DC"},
        Refused{"own_capacitance_negative",
                [](FormFields& f) {
                    f.parts = PartsKind::Own;
                    f.parasitics = "L=1nH,C=-0.1p";
                },
                Field::Parasitics, 0, "'-0.1p' must be a capacitance of 0 F or more"},
        Refused{"via_not_an_inductance",
                [](FormFields& f) {
                    f.parts = PartsKind::Package;
                    f.package = "0603";
                    f.viaInductance = "1 nH";
                },
                Field::ViaInductance, 0, "not an inductance (1nH, 0.4n)"},
        Refused{"sweep_backwards", [](FormFields& f) { f.sweepTo = "1kHz"; }, Field::SweepTo, 0,
                "must be above the start of the sweep"},
        Refused{"sweep_from_zero", [](FormFields& f) { f.sweepFrom = "0"; }, Field::SweepFrom, 0,
                "must be a frequency above 0 Hz"},
        Refused{"sweep_end_with_a_blank", [](FormFields& f) { f.sweepTo = "1 GHz"; },
                Field::SweepTo, 0, "'1 GHz' is not a frequency of 0 Hz or more"},
        Refused{"flatness_zero", [](FormFields& f) { f.flatness = "0"; }, Field::Flatness, 0,
                "must be a flatness above 0 dB"},
        Refused{"checked_arm_missing",
                [](FormFields& f) {
                    checkPi(f);
                    f.arms[1].clear();
                },
                Field::Arm, 1, "needed"},
        Refused{"checked_arm_half_not_a_number",
                [](FormFields& f) {
                    checkPi(f);
                    f.arms[2] = "47+x";
                },
                Field::Arm, 2, "'x' is not a number"}),
    testing::CaseName());

TEST(FormReading, reads_values_as_engineers_type_them) {
    FormFields fields = pi75to50();
    fields.zin = "1k5";
    fields.series = "E24";
    fields.optimise = true;
    fields.pairs = true;
    fields.minReturnLoss = "25";
    fields.tolerance = "1%";
    fields.power = "27dBm";
    fields.rating = "250mW";
    fields.parts = PartsKind::Own;
    fields.parasitics = "C=50f,L=0.5nH";
    fields.viaInductance = "0.2n";
    fields.sweepFrom = "100k";
    fields.sweepTo = "3GHz";
    fields.points = 201;
    const FormReading reading = readForm(fields);
    ASSERT_TRUE(reading.ok());
    const design::Request& request = reading.request;
    EXPECT_EQ(request.zin, 1500.0F);
    EXPECT_EQ(request.series, design::ESeries::E24);
    EXPECT_TRUE(request.optimise);
    EXPECT_TRUE(request.pairs);
    EXPECT_EQ(request.minReturnLossDb, 25.0);
    EXPECT_DOUBLE_EQ(*request.tolerance, 0.01);
    EXPECT_NEAR(*request.availableWatts, 0.501187, 1e-6);
    EXPECT_DOUBLE_EQ(*request.ratingWatts, 0.25);
    EXPECT_DOUBLE_EQ(reading.model.parts.seriesHenries, 0.5e-9);
    EXPECT_DOUBLE_EQ(reading.model.parts.shuntFarads, 0.05e-12);
    EXPECT_DOUBLE_EQ(reading.model.viaHenries, 0.2e-9);
    EXPECT_EQ(reading.sweep.fromHz, 1e5);
    EXPECT_EQ(reading.sweep.toHz, 3e9);
    EXPECT_EQ(reading.sweep.points, 201U);
}

TEST(FormReading, optimise_and_pairs_count_only_with_a_series_and_the_search) {
    FormFields fields = pi75to50();
    fields.optimise = true;
    fields.pairs = true;
    EXPECT_FALSE(readForm(fields).request.optimise);
    fields.series = "E12";
    fields.optimise = false;
    EXPECT_FALSE(readForm(fields).request.pairs);
}

TEST(FormReading, a_package_brings_its_parasitics_and_ideal_parts_none) {
    FormFields fields = pi75to50();
    fields.parts = PartsKind::Package;
    fields.package = "0603";
    const FormReading package = readForm(fields);
    ASSERT_TRUE(package.ok());
    EXPECT_EQ(package.model.packageName, "0603");
    EXPECT_FALSE(package.model.ideal());
    fields.parts = PartsKind::Ideal;
    fields.viaInductance = "1"; // not read for ideal parts
    EXPECT_TRUE(readForm(fields).model.ideal());
}

TEST(FormReading, the_minimum_loss_is_the_least_the_impedances_allow) {
    FormFields fields = pi75to50();
    fields.loss = "not read";
    fields.minimumLoss = true;
    const FormReading reading = readForm(fields);
    ASSERT_TRUE(reading.ok());
    // 20 log10(sqrt(1.5) + sqrt(0.5)) for 75 to 50 ohms.
    EXPECT_NEAR(reading.lossDb, 5.719, 1e-3);
}

TEST(FormReading, a_check_reads_the_network_s_arms_as_parts) {
    FormFields fields = pi75to50();
    fields.mode = Mode::Check;
    fields.loss.clear(); // a check has no loss to read
    fields.arms = {"220", "91", "47+36", "ignored"};
    const FormReading reading = readForm(fields);
    ASSERT_TRUE(reading.ok());
    ASSERT_EQ(reading.given.size(), 3U);
    EXPECT_EQ(reading.given[2].ohms, 83.0);
    EXPECT_EQ(reading.given[2].second, 36.0);
}

TEST(FormReading, every_bad_field_is_reported_at_once) {
    FormFields fields = pi75to50();
    fields.zin = "x";
    fields.tolerance = "0";
    fields.sweepTo = "y";
    const FormReading reading = readForm(fields);
    EXPECT_NE(reading.errorOf(Field::Zin), nullptr);
    EXPECT_NE(reading.errorOf(Field::Tolerance), nullptr);
    EXPECT_NE(reading.errorOf(Field::SweepTo), nullptr);
    EXPECT_EQ(reading.errorOf(Field::Loss), nullptr);
}

} // namespace
} // namespace zelmarino::workbench
