// Committing the impedances while typing, choosing a network, and "Cancella".
#include "calc/network_layout.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <string>

namespace zelmarino {
namespace {

using testing::Harness;

struct EntryCase {
    std::string name;
    std::string typed; // what the previous box holds
    bool accepted;
    std::string shown;
};

class Text2ChangeTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Text2ChangeTest, commits_Zin_or_throws_the_user_back) {
    Harness harness;
    harness.view.type(TextBox::Text1, GetParam().typed);
    harness.view.setCaption(Label::LabelZin, "before");
    harness.view.focus = TextBox::Text2;
    harness.view.type(TextBox::Text2, "7");
    if (GetParam().accepted) {
        EXPECT_EQ(harness.caption(Label::LabelZin), GetParam().shown);
        EXPECT_EQ(harness.view.text(TextBox::Text1), GetParam().typed);
        EXPECT_EQ(harness.view.text(TextBox::Text2), "7");
        EXPECT_EQ(harness.view.focus, TextBox::Text2);
    } else {
        EXPECT_EQ(harness.caption(Label::LabelZin), "before");
        EXPECT_EQ(harness.view.text(TextBox::Text1), "");
        EXPECT_EQ(harness.view.text(TextBox::Text2), "");
        EXPECT_EQ(harness.view.focus, TextBox::Text1);
        EXPECT_EQ(harness.state().Zin, 0.0F); // the nested run read the emptied Text1
    }
}

class Text3ChangeTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Text3ChangeTest, commits_Zout_or_throws_the_user_back) {
    Harness harness;
    harness.view.onTextChanged = nullptr;
    harness.view.type(TextBox::Text2, GetParam().typed);
    harness.view.onTextChanged = [&](TextBox box) { harness.calculator.textChanged(box); };
    harness.view.setCaption(Label::LabelZout, "before");
    harness.view.focus = TextBox::Text3;
    harness.view.type(TextBox::Text3, "1");
    if (GetParam().accepted) {
        EXPECT_EQ(harness.caption(Label::LabelZout), GetParam().shown);
        EXPECT_EQ(harness.view.text(TextBox::Text3), "1");
        EXPECT_EQ(harness.view.focus, TextBox::Text3);
    } else {
        EXPECT_EQ(harness.caption(Label::LabelZout), "before");
        EXPECT_EQ(harness.view.text(TextBox::Text2), "");
        EXPECT_EQ(harness.view.text(TextBox::Text3), "");
        EXPECT_EQ(harness.view.focus, TextBox::Text2);
    }
}

const auto entryCases = ::testing::Values(
    EntryCase{"plain", "50", true, "50"}, EntryCase{"exponent", "1e3", true, "1000"},
    EntryCase{"tenth", "0.1", true, "0.1"}, EntryCase{"with_unit", "50 ohm", true, "50"},
    EntryCase{"large", "12345678", true, "1.234568E+07"}, EntryCase{"hex", "&H4B", true, "75"},
    EntryCase{"empty", "", false, ""}, EntryCase{"zero", "0", false, ""},
    EntryCase{"negative", "-50", false, ""}, EntryCase{"text", "ohm", false, ""},
    EntryCase{"beyond_single_range", "1e39", false, ""});

INSTANTIATE_TEST_SUITE_P(Entries, Text2ChangeTest, entryCases, testing::CaseName{});
INSTANTIATE_TEST_SUITE_P(Entries, Text3ChangeTest, entryCases, testing::CaseName{});

TEST(Entry, Text1_is_committed_only_when_Text2_changes) {
    Harness harness;
    harness.view.type(TextBox::Text1, "50");
    harness.view.type(TextBox::Text2, "75");
    harness.view.type(TextBox::Text1, "600");
    EXPECT_EQ(harness.state().Zin, 50.0F);
    EXPECT_EQ(harness.caption(Label::LabelZout), "");
    harness.view.type(TextBox::Text2, "7");
    EXPECT_EQ(harness.state().Zin, 600.0F);
}

TEST(Entry, a_rejected_value_stays_in_the_record_when_nothing_re_enters) {
    Harness harness;
    harness.view.type(TextBox::Text1, "-5");
    harness.view.onTextChanged = nullptr;
    harness.view.type(TextBox::Text2, "7");
    harness.view.onTextChanged = [&](TextBox box) { harness.calculator.textChanged(box); };
    harness.calculator.Text2_Change(); // Text2 is emptied: its handler runs once more
    EXPECT_EQ(harness.state().Zin, 0.0F);
    harness.view.type(TextBox::Text1, "-5");
    harness.calculator.Text2_Change(); // Text2 already empty: nothing re-enters
    EXPECT_EQ(harness.state().Zin, -5.0F);
}

struct ChoiceCase {
    std::string name;
    design::Network network;
    std::string picture;
    int piti, tielle, pielle, ti;
};

class OptionClickTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(OptionClickTest, loads_the_picture_places_the_labels_and_starts_afresh) {
    const ChoiceCase& c = GetParam();
    Harness harness;
    harness.design(design::Network::T, "75", "50", "3"); // leaves values and a message
    harness.view.setLabelLeft(Label::pielle, 1111);
    harness.view.setLabelLeft(Label::ti, 2222);
    harness.view.focus = TextBox::Text3;
    harness.calculator.optionClick(c.network);
    EXPECT_EQ(harness.view.picture, c.picture);
    EXPECT_EQ(harness.state().NetworkType, c.network);
    EXPECT_EQ(harness.view.labelLeft(Label::piti), c.piti);
    EXPECT_EQ(harness.view.labelLeft(Label::tielle), c.tielle);
    EXPECT_EQ(harness.view.labelLeft(Label::pielle), c.pielle);
    EXPECT_EQ(harness.view.labelLeft(Label::ti), c.ti);
    for (const TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3}) {
        EXPECT_EQ(harness.view.text(box), "");
    }
    for (const Label label : {Label::LabelZin, Label::LabelZout, Label::piti, Label::tielle,
                              Label::pielle, Label::ti}) {
        EXPECT_EQ(harness.caption(label), "");
    }
    EXPECT_EQ(harness.caption(Label::Label9), negativeValueMessage); // left for "Calcola"
    EXPECT_EQ(harness.view.focus, TextBox::Text1);
    EXPECT_EQ(harness.state().Zin, 0.0F);
    EXPECT_EQ(harness.state().Zout, 0.0F);
}

INSTANTIATE_TEST_SUITE_P(
    Networks, OptionClickTest,
    ::testing::Values(
        ChoiceCase{"pi", design::Network::Pi, "pigreco.gif", 2880, 3120, 3480, 2222},
        ChoiceCase{"t", design::Network::T, "ti.gif", 2880, 2640, 1111, 3840},
        ChoiceCase{"l_less", design::Network::LOut, "elle2.gif", 3244, 2760, 1111, 2222},
        ChoiceCase{"l_greater", design::Network::LIn, "elle1.gif", 3480, 3000, 1111, 2222}),
    testing::CaseName{});

TEST(OptionClick, a_missing_picture_leaves_the_network_in_force_shown) {
    Harness harness;
    harness.design(design::Network::T, "75", "50", "10");
    harness.view.missingPictures.insert("pigreco.gif");
    harness.view.shownChoice = design::Network::Pi; // as the clicked button shows itself
    harness.calculator.Option1_Click();
    EXPECT_EQ(harness.view.reportedPictures, std::vector<std::string>{"pigreco.gif"});
    EXPECT_EQ(harness.view.shownChoice, design::Network::T);
    EXPECT_EQ(harness.state().NetworkType, design::Network::T);
    EXPECT_EQ(harness.view.text(TextBox::Text1), "75");
    EXPECT_EQ(harness.caption(Label::tielle), " 49 W");
    EXPECT_EQ(harness.view.labelLeft(Label::tielle), 2640);
}

TEST(OptionClick, a_missing_first_picture_shows_no_network) {
    Harness harness;
    harness.view.missingPictures.insert("elle1.gif");
    harness.view.shownChoice = design::Network::LIn;
    harness.calculator.Option4_Click();
    EXPECT_EQ(harness.view.shownChoice, std::nullopt);
    EXPECT_EQ(harness.state().NetworkType, std::nullopt);
}

TEST(DeleteClick, empties_the_design_and_keeps_the_network) {
    Harness harness;
    harness.design(design::Network::T, "75", "50", "3");
    harness.view.focus = TextBox::Text3;
    harness.calculator.delete_Click();
    EXPECT_EQ(harness.caption(Label::Label9), "");
    for (const TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3}) {
        EXPECT_EQ(harness.view.text(box), "");
    }
    for (const Label label : {Label::LabelZin, Label::LabelZout, Label::piti, Label::tielle,
                              Label::pielle, Label::ti}) {
        EXPECT_EQ(harness.caption(label), "");
    }
    EXPECT_EQ(harness.view.focus, TextBox::Text1);
    EXPECT_EQ(harness.state().Zin, 0.0F);
    EXPECT_EQ(harness.state().Zout, 0.0F);
    EXPECT_EQ(harness.state().NetworkType, design::Network::T);
    harness.view.type(TextBox::Text1, "50");
    harness.view.type(TextBox::Text2, "50");
    harness.view.type(TextBox::Text3, "10");
    harness.calculator.Command1_Click();
    EXPECT_EQ(harness.caption(Label::piti), " 35 W");
}

} // namespace
} // namespace zelmarino
