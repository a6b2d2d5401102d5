// The form's evaluation as the window shows it: the response of the pad as built, its
// tables, and the files written from it.
#include "tests/workbench/case_name.h"
#include "workbench/export_text.h"
#include "workbench/outcome.h"
#include "workbench/result_tables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelmarino::workbench {
namespace {

FormFields pi75to50Optimised() {
    FormFields fields;
    fields.zin = "75";
    fields.zout = "50";
    fields.loss = "10";
    fields.series = "E24";
    fields.optimise = true;
    fields.power = "1";
    fields.rating = "0.1";
    fields.tolerance = "1";
    fields.parts = PartsKind::Package;
    fields.package = "0603";
    return fields;
}

TEST(Outcome, the_response_starts_at_the_loss_built_and_matches_its_ports) {
    const Outcome outcome = evaluateForm(pi75to50Optimised());
    ASSERT_TRUE(outcome.reading.ok());
    ASSERT_TRUE(outcome.report && outcome.report->optimised);
    ASSERT_TRUE(outcome.curves);
    const Curves& curves = *outcome.curves;
    ASSERT_EQ(curves.hz.size(), 1001U);
    EXPECT_DOUBLE_EQ(curves.hz.front(), 1e6);
    EXPECT_DOUBLE_EQ(curves.hz.back(), 1e10);
    // At 1 MHz a chip resistor's parasitics are nothing: the circuit analysis of the set.
    const design::PortCheck& built = outcome.report->optimised->check;
    EXPECT_NEAR(-curves.s21Db.front(), built.lossDb, 1e-3);
    EXPECT_NEAR(-curves.s11Db.front(), built.inputReturnLossDb, 0.05);
    EXPECT_NEAR(-curves.s22Db.front(), built.outputReturnLossDb, 0.05);
    // 0603 parts: the pad leaves its limits somewhere within the sweep.
    ASSERT_TRUE(outcome.bandwidth);
    EXPECT_FALSE(outcome.bandwidth->beyondCeiling);
    EXPECT_GT(outcome.bandwidth->hz, 1e6);
    EXPECT_LT(outcome.bandwidth->hz, 1e10);
}

TEST(Outcome, ideal_parts_are_usable_beyond_the_sweep) {
    FormFields fields = pi75to50Optimised();
    fields.parts = PartsKind::Ideal;
    const Outcome outcome = evaluateForm(fields);
    ASSERT_TRUE(outcome.bandwidth);
    EXPECT_TRUE(outcome.bandwidth->beyondCeiling);
    EXPECT_NEAR(outcome.curves->s21Db.front(), outcome.curves->s21Db.back(), 1e-9);
}

TEST(Outcome, a_loss_below_the_minimum_has_no_response_and_says_why) {
    FormFields fields = pi75to50Optimised();
    fields.loss = "3";
    const Outcome outcome = evaluateForm(fields);
    ASSERT_TRUE(outcome.report);
    EXPECT_FALSE(outcome.report->realisable());
    EXPECT_FALSE(outcome.curves);
    EXPECT_FALSE(outcome.problem.empty());
}

TEST(Outcome, a_bad_field_evaluates_nothing) {
    FormFields fields = pi75to50Optimised();
    fields.zin = "-75";
    const Outcome outcome = evaluateForm(fields);
    EXPECT_FALSE(outcome.report);
    EXPECT_FALSE(outcome.curves);
}

TEST(ResultTables, one_row_per_arm_with_the_columns_asked_for) {
    const Outcome outcome = evaluateForm(pi75to50Optimised());
    const std::vector<ArmRow> rows = armRows(*outcome.report);
    ASSERT_EQ(rows.size(), 3U);
    for (const ArmRow& row : rows) {
        for (const ArmColumn column :
             {ArmColumn::Exact, ArmColumn::Standard, ArmColumn::Optimised, ArmColumn::Dissipation,
              ArmColumn::Voltage, ArmColumn::Current, ArmColumn::Tolerated}) {
            EXPECT_FALSE(row.at(static_cast<std::size_t>(column)).empty())
                << row[0] << " column " << static_cast<int>(column);
        }
    }
    EXPECT_EQ(rows[1][0], "R2");
    EXPECT_EQ(rows[1][1], "series, between");

    FormFields plain = pi75to50Optimised();
    plain.series.clear();
    plain.power.clear();
    plain.rating.clear();
    for (const ArmRow& row : armRows(*evaluateForm(plain).report)) {
        EXPECT_TRUE(row.at(static_cast<std::size_t>(ArmColumn::Standard)).empty());
        EXPECT_TRUE(row.at(static_cast<std::size_t>(ArmColumn::Dissipation)).empty());
    }
}

TEST(ResultTables, checks_hold_the_worst_case_as_a_range_or_a_value) {
    const std::vector<CheckRow> rows = checkRows(*evaluateForm(pi75to50Optimised()).report);
    ASSERT_FALSE(rows.empty());
    for (const CheckRow& row : rows) {
        for (const std::string& cell : row.cells) {
            EXPECT_FALSE(cell.empty()) << row.label;
        }
    }
    EXPECT_NE(rows.front().cells[3].find("…"), std::string::npos);
}

TEST(ResultTables, tab_separated_keeps_every_line_s_cells) {
    EXPECT_EQ(tabSeparated({{"Arm", "Exact"}, {"R1", "a\tb\nc"}}), "Arm\tExact\nR1\ta b c\n");
}

struct ExportCase {
    const char* name;
    ExportFormat format;
    Mode mode;
    const char* mark; // what the file must hold
    bool optimise = true;
};

class Export : public ::testing::TestWithParam<ExportCase> {};

TEST_P(Export, writes_the_format_through_the_command_line_s_writers) {
    FormFields fields = pi75to50Optimised();
    fields.mode = GetParam().mode;
    fields.arms = {"220", "91", "47+36"};
    fields.optimise = GetParam().optimise;
    const Outcome outcome = evaluateForm(fields);
    const std::optional<std::string> text = exportText(GetParam().format, fields, outcome);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find(GetParam().mark), std::string::npos) << *text;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, Export,
    ::testing::Values(
        ExportCase{"spice", ExportFormat::Spice, Mode::Design, ".subckt", false},
        // the optimised set as the window shows it, not the nearest values
        ExportCase{"spice_optimised", ExportFormat::Spice, Mode::Design, "R1 in r1_l 220\n"},
        ExportCase{"touchstone", ExportFormat::Touchstone, Mode::Design,
                   "[Number of Frequencies] 1001", false},
        ExportCase{"csv_optimised", ExportFormat::Csv, Mode::Design, "E24"},
        ExportCase{"json_optimised", ExportFormat::Json, Mode::Design, "\"optimised"},
        ExportCase{"check_spice", ExportFormat::Spice, Mode::Check, ".subckt"},
        ExportCase{"check_csv", ExportFormat::Csv, Mode::Check, "47+36"},
        ExportCase{"check_json", ExportFormat::Json, Mode::Check, "\"given\": \"47+36\""}),
    testing::CaseName());

TEST(Export, touchstone_carries_the_parts_parasitics) {
    FormFields fields = pi75to50Optimised();
    fields.optimise = false;
    const std::string text = *exportText(ExportFormat::Touchstone, fields, evaluateForm(fields));
    const std::size_t data = text.find("[Network Data]\n");
    ASSERT_NE(data, std::string::npos);
    const std::size_t first = data + std::string_view("[Network Data]\n").size();
    const std::string firstRow = text.substr(first, text.find('\n', first) - first);
    const std::size_t end = text.rfind("\n[End]");
    const std::size_t last = text.rfind('\n', end - 1) + 1;
    const std::string lastRow = text.substr(last, end - last);
    // Past the frequency, the S-parameters at 1 MHz and at 10 GHz differ with 0603 parts.
    EXPECT_NE(firstRow.substr(firstRow.find(' ')), lastRow.substr(lastRow.find(' ')));
}

TEST(Export, nothing_without_a_report) {
    FormFields fields = pi75to50Optimised();
    fields.zin.clear();
    EXPECT_FALSE(exportText(ExportFormat::Json, fields, evaluateForm(fields)));
}

} // namespace
} // namespace zelmarino::workbench
