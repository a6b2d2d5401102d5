// What the command line reports of a design: the window's texts, and which checks a design
// that cannot be built leaves out.
#include "cli/options.h"
#include "cli/run.h"
#include "design/response.h"
#include "formats/json_text.h"
#include "formats/output_common.h"
#include "formats/report.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

namespace zelmarino::cli {
using namespace formats;
namespace {

// The window's texts come along unchanged but for the ohm sign.
TEST(Design, carries_the_window_texts_with_the_ohm_sign) {
    Options options;
    options.zin = 600.0F;
    options.zout = 50.0F;
    const Design design = design::evaluateDesign(options, 20.0F).design;
    ASSERT_EQ(design.arms.size(), 3U);
    EXPECT_EQ(windowText(design, design.arms[0]), "1873 Ω");
    EXPECT_EQ(windowText(design, design.arms[1]), "857 Ω");
    EXPECT_EQ(windowText(design, design.arms[2]), "52 Ω");
    options.zin = 50.0F;
    const Design low = design::evaluateDesign(options, 0.01F).design;
    EXPECT_EQ(windowText(low, low.arms[0]), "86 KΩ");
}

TEST(Report, leaves_out_standard_values_and_power_for_a_negative_arm) {
    Options options;
    options.network = Network::Pi;
    options.zin = 75.0F;
    options.zout = 50.0F;
    options.series = ESeries::E24;
    options.tolerance = 0.01;
    options.availableWatts = 1.0;
    const DesignReport below = design::evaluateDesign(options, 3.0F);
    ASSERT_EQ(below.negative, std::vector<std::size_t>{0}); // R1, the shunt on the larger side
    EXPECT_FALSE(below.standardOhms || below.worst || below.power);
    EXPECT_TRUE(below.exact);
    const DesignReport above = design::evaluateDesign(options, 10.0F);
    EXPECT_TRUE(above.realisable());
    EXPECT_TRUE(above.standardOhms && above.standard && above.worst && above.power);
}

// json has no ">120": a return loss at the ceiling says whether it was cut there.
TEST(JsonCheck, flags_each_return_loss_cut_at_the_ceiling) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    std::string out;
    json::appendCheck(out, PortCheck{75.0, 50.0, infinity, 119.99, 10.0, 0.0, 1.0e-6});
    EXPECT_NE(out.find("\"input_return_loss_db\": 120.000000, \"input_return_loss_capped\": true,"),
              std::string::npos)
        << out;
    EXPECT_NE(
        out.find("\"output_return_loss_db\": 119.990000, \"output_return_loss_capped\": false,"),
        std::string::npos)
        << out;
    out.clear();
    json::appendCheck(out, PortCheck{75.0, 50.0, 120.0, 150.0, 10.0, 1.0e-6, 0.0});
    EXPECT_NE(out.find("\"input_return_loss_capped\": true"), std::string::npos) << out;
    EXPECT_NE(out.find("\"output_return_loss_capped\": true"), std::string::npos) << out;
}

// A network of lines built of a package is also checked at f0 as built: the loss the sweep of
// the same parts finds there, not the ideal check's.
TEST(Report, gives_a_network_of_lines_its_check_at_f0_as_built_of_a_package) {
    for (const Network network :
         {Network::QuarterWaveSeries, Network::QuarterWaveShunt, Network::Reflection}) {
        const std::string command(design::entryOf(network).command);
        SCOPED_TRACE(command);
        const std::array<std::string_view, 11> arguments = {command, "--zin",     "50",  "--zout",
                                                            "50",    "--db",      "10",  "--f0",
                                                            "1G",    "--package", "0603"};
        const std::string out = run(arguments).out;
        const std::size_t line = out.find("At f0, the exact values built of 0603 parts:\n  loss ");
        ASSERT_NE(line, std::string::npos) << out;
        const std::size_t loss = out.find("loss ", line) + 5;
        const std::string shown = out.substr(loss, out.find(' ', loss) - loss);

        Options options;
        options.network = network;
        options.zin = options.zout = 50.0F;
        options.f0Hz = 1e9;
        const design::PartModel model{design::packageNamed("0603")->parasitics, 0.0, "0603"};
        const auto s =
            design::sweep(design::builtNetworkOf(design::evaluateDesign(options, 10.0F), model),
                          std::vector{1e9})
                .front()
                .s.value();
        EXPECT_EQ(shown, fixedPoint(-design::decibelsOf(s(1, 0)), 4));
        EXPECT_NE(shown, "10.0000"); // the ideal check's

        const std::array<std::string_view, 9> ideal = {command, "--zin", "50",   "--zout", "50",
                                                       "--db",  "10",    "--f0", "1G"};
        EXPECT_EQ(run(ideal).out.find("At f0"), std::string::npos);
    }
}

} // namespace
} // namespace zelmarino::cli
