// What the command line reports of a design: the window's texts, and which checks a design
// that cannot be built leaves out.
#include "cli/options.h"
#include "formats/json_text.h"
#include "formats/output_common.h"
#include "formats/report.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace zelmarino::cli
