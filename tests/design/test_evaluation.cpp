// The evaluation judged by circuit analysis: every network of the catalogue, placed where the
// catalogue puts its arms, matches the ports it is made for and has the loss asked for; and
// the standard-value search keeps what the network's shape demands.
#include "design/evaluation.h"
#include "tests/design/case_name.h"
#include "tests/design/placements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zelmarino::design {
namespace {

using testing::Placement;
using testing::requestFor;

class EveryNetwork : public ::testing::TestWithParam<Placement> {};

// The arms are analysed where the catalogue places them, so an arm reported on the wrong
// side (R1 of an H from 50 to 600 ohm on the 600 ohm side) spoils the match.
TEST_P(EveryNetwork, matches_its_ports_and_loss_where_the_catalogue_places_its_arms) {
    const Placement& p = GetParam();
    const Report report = evaluateDesign(requestFor(p), 30.0F);
    const std::span<const ArmEntry> arms = armsOf(p.network, p.shunt);
    ASSERT_EQ(report.design.arms.size(), arms.size());
    std::vector<Resistor> placed;
    for (std::size_t i = 0; i < arms.size(); ++i) {
        EXPECT_EQ(report.design.arms[i].entry, &arms[i]);
        placed.push_back({arms[i].from, arms[i].to, report.design.arms[i].resistor.ohms});
    }
    const auto check = checkPorts(checkedCircuit(p.network, placed, p.zout), p.zin, p.zout);
    ASSERT_TRUE(check);
    // A splitter has a loss of its own, and reports it.
    EXPECT_NEAR(check->lossDb, entryOf(p.network).ports == 3 ? 20.0 * std::log10(2.0) : 30.0, 1e-4);
    EXPECT_NEAR(check->lossDb, report.design.lossDb, 1e-4);
    const Matched matched = entryOf(p.network).matched;
    if (matchesInput(matched)) {
        EXPECT_NEAR(check->inputOhms, p.zin, 1e-6 * p.zin);
    }
    if (matchesOutput(matched)) {
        EXPECT_NEAR(check->outputOhms, p.zout, 1e-6 * p.zout);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryNetwork,
                         ::testing::ValuesIn(testing::everyPlacement(600.0F, 50.0F)),
                         testing::CaseName{});

struct Search {
    const char* name;
    Network network;
    float zin;
    float zout;
    float lossDb;
    double minReturnLossDb;
};

class Optimised : public ::testing::TestWithParam<Search> {};

// The halves of a balanced arm stay equal, and an L, which matches one port by design, keeps
// the floor at that port only, so a set is found.
TEST_P(Optimised, keeps_balanced_halves_equal_and_the_floor_where_the_network_matches) {
    const Search& s = GetParam();
    Request request;
    request.network = s.network;
    request.zin = s.zin;
    request.zout = s.zout;
    request.series = ESeries::E24;
    request.optimise = true;
    request.minReturnLossDb = s.minReturnLossDb;
    const Report report = evaluateDesign(request, s.lossDb);
    ASSERT_TRUE(report.searched);
    ASSERT_TRUE(report.optimised) << "no set found";
    const std::vector<Part>& parts = report.optimised->arms;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (std::size_t j = 0; j < parts.size(); ++j) {
            const ArmEntry& a = *report.design.arms[i].entry;
            const ArmEntry& b = *report.design.arms[j].entry;
            if (a.role == b.role && a.leg == Leg::Upper && b.leg == Leg::Lower) {
                EXPECT_EQ(parts[i].ohms, parts[j].ohms) << a.name << " and " << b.name;
            }
        }
    }
    const Matched matched = entryOf(s.network).matched;
    const PortCheck& check = report.optimised->check;
    if (matchesInput(matched)) {
        EXPECT_GE(check.inputReturnLossDb, s.minReturnLossDb);
    }
    if (matchesOutput(matched)) {
        EXPECT_GE(check.outputReturnLossDb, s.minReturnLossDb);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bench, Optimised,
    ::testing::Values(Search{"h_555_to_45", Network::H, 555.0F, 45.4F, 21.3F, 20.0},
                      Search{"o_150_to_600", Network::O, 150.0F, 600.0F, 12.0F, 25.0},
                      Search{"l_out_75_to_50", Network::LOut, 75.0F, 50.0F, 10.0F, 30.0},
                      Search{"l_in_75_to_50", Network::LIn, 75.0F, 50.0F, 10.0F, 30.0}),
    testing::CaseName{});

// At the minimum loss an arm is open or a wire, numerically a few gigohms or microhms: as a
// standard value it is what it is, never a resistor of 2.4 GΩ or 1.6 µΩ.
TEST_P(EveryNetwork, rounds_an_arm_beyond_any_part_to_open_or_a_link) {
    const Placement& p = GetParam();
    const auto loss = minimumLossPad(p.network, p.zin, p.zout, p.shunt);
    if (!loss) {
        GTEST_SKIP() << "no minimum-loss pad";
    }
    Request request = requestFor(p);
    request.series = ESeries::E24;
    const Report report = evaluateDesign(request, *loss);
    ASSERT_TRUE(report.standardOhms);
    const double smaller = std::min(p.zin, p.zout);
    const double larger = std::max(p.zin, p.zout);
    for (const double ohms : *report.standardOhms) {
        EXPECT_TRUE(std::isinf(ohms) || ohms == 0.0 ||
                    (ohms > smaller * 1e-6 && ohms < larger * 1e6))
            << ohms;
    }
}

class PairedArm : public ::testing::TestWithParam<bool> {};

// A pair shares its arm's load, in series by current and in parallel by voltage, and the arm
// tolerates what its hotter part does: more than one resistor of the whole value would.
TEST_P(PairedArm, rates_each_part_on_its_own) {
    const bool parallel = GetParam();
    Request request;
    request.zin = 75.0F;
    request.zout = 50.0F;
    request.availableWatts = 1.0;
    request.ratingWatts = 0.25;
    const std::vector<Part> given = {
        partOf(220.0, std::nullopt, false), partOf(91.0, std::nullopt, false),
        parallel ? partOf(150.0, 180.0, true) : partOf(47.0, 36.0, false)};
    const auto report = evaluateGiven(request, given);
    ASSERT_TRUE(report && report->power && report->toleratedWatts);
    ASSERT_EQ(report->partLoads.size(), 3U);
    EXPECT_FALSE(report->partLoads[0] || report->partLoads[1]);
    ASSERT_TRUE(report->partLoads[2]);
    const auto& parts = *report->partLoads[2];
    const double armWatts = report->power->resistorWatts[2];
    EXPECT_NEAR(parts[0].watts + parts[1].watts, armWatts, 1e-12);
    const double hottest = std::max(parts[0].watts, parts[1].watts);
    EXPECT_NEAR(report->toleratedWatts->at(2), 0.25 / hottest, 1e-9);
    EXPECT_GT(report->toleratedWatts->at(2), 0.25 / armWatts); // two parts share the heat
}

INSTANTIATE_TEST_SUITE_P(SeriesAndParallel, PairedArm, ::testing::Bool());

} // namespace
} // namespace zelmarino::design
