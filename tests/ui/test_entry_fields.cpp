// The entry fields through the real window: typing in Text2 commits Zin from Text1, typing in Text3
// commits Zout from Text2; a field without a positive number is emptied with the one being
// typed in, and the focus goes back to it. The handlers run synchronously, once per real
// change, typed or set from code.
#include "tests/ui/window_fixture.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <ostream>

namespace zelmarino::testing {
namespace {

using EntryFields = WindowTest;

TEST_F(EntryFields, typing_in_text2_commits_zin_and_shows_it) {
    typeInto(TextBox::Text1, "50");
    EXPECT_EQ(caption(Label::LabelZin), "") << "Text1 has no change handler";
    pressTab();
    typeKeys("7");
    EXPECT_EQ(state().Zin, 50.0F);
    EXPECT_EQ(caption(Label::LabelZin), "50");
    EXPECT_EQ(caption(Label::LabelZout), "") << "unchanged until Text3 changes";
    EXPECT_EQ(box(TextBox::Text2)->text(), "7");
    EXPECT_EQ(focused(), box(TextBox::Text2));
}

TEST_F(EntryFields, typing_in_text3_commits_zout_and_shows_it) {
    typeInto(TextBox::Text1, "50");
    typeInto(TextBox::Text2, "75");
    pressTab();
    typeKeys("1");
    EXPECT_EQ(state().Zout, 75.0F);
    EXPECT_EQ(caption(Label::LabelZout), "75");
}

TEST_F(EntryFields, editing_text1_commits_nothing_until_text2_changes_again) {
    typeInto(TextBox::Text1, "50");
    typeInto(TextBox::Text2, "75");
    typeInto(TextBox::Text1, "60");
    EXPECT_EQ(state().Zin, 50.0F);
    EXPECT_EQ(caption(Label::LabelZin), "50");
    typeInto(TextBox::Text2, "7");
    EXPECT_EQ(state().Zin, 60.0F);
    EXPECT_EQ(caption(Label::LabelZin), "60");
}

struct CommitCase {
    std::string name;
    QString typed;
    float value;
    std::string shown;
};

void PrintTo(const CommitCase& c, std::ostream* out) {
    *out << c.name;
}

class CommittedImpedance : public WindowTest, public ::testing::WithParamInterface<CommitCase> {};

TEST_P(CommittedImpedance, is_shown_as_its_single_precision_text) {
    const CommitCase& c = GetParam();
    typeInto(TextBox::Text1, c.typed);
    typeInto(TextBox::Text2, "75");
    EXPECT_EQ(state().Zin, c.value);
    EXPECT_EQ(caption(Label::LabelZin), c.shown);
    typeInto(TextBox::Text2, c.typed);
    typeInto(TextBox::Text3, "1");
    EXPECT_EQ(state().Zout, c.value);
    EXPECT_EQ(caption(Label::LabelZout), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, CommittedImpedance,
    ::testing::Values(CommitCase{"whole_number", "50", 50.0F, "50"},
                      CommitCase{"exponent", "1e3", 1000.0F, "1000"},
                      CommitCase{"tenth", "0.1", 0.1F, "0.1"},
                      CommitCase{"lenient_reading_of_50_ohm", "50 ohm", 50.0F, "50"},
                      CommitCase{"comma_is_no_decimal_point", "12,5", 12.0F, "12"},
                      CommitCase{"seven_digits_then_exponent", "12345678", 12345678.0F,
                                 "1.234568E+07"}),
    CaseName{});

struct RejectCase {
    std::string name;
    QString held; // what the guarded field holds
};

void PrintTo(const RejectCase& c, std::ostream* out) {
    *out << c.name;
}

class RejectedEntry : public WindowTest, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(RejectedEntry, in_text1_empties_text1_and_text2_and_refocuses_text1) {
    typeInto(TextBox::Text1, "60");
    typeInto(TextBox::Text2, "9");
    ASSERT_EQ(caption(Label::LabelZin), "60");
    typeInto(TextBox::Text1, GetParam().held);
    typeInto(TextBox::Text2, "7");
    EXPECT_EQ(box(TextBox::Text1)->text(), "");
    EXPECT_EQ(box(TextBox::Text2)->text(), "");
    EXPECT_EQ(focused(), box(TextBox::Text1));
    EXPECT_EQ(caption(Label::LabelZin), "60") << "the label keeps the last accepted value";
    EXPECT_FALSE(state().Zin > 0.0F && state().Zin < 1e38F);
}

TEST_P(RejectedEntry, in_text2_empties_text2_and_text3_and_refocuses_text2) {
    typeInto(TextBox::Text1, "50");
    typeInto(TextBox::Text2, GetParam().held);
    typeInto(TextBox::Text3, "1");
    EXPECT_EQ(box(TextBox::Text2)->text(), "");
    EXPECT_EQ(box(TextBox::Text3)->text(), "");
    EXPECT_EQ(box(TextBox::Text1)->text(), "50");
    EXPECT_EQ(focused(), box(TextBox::Text2));
    EXPECT_EQ(caption(Label::LabelZout), "");
}

INSTANTIATE_TEST_SUITE_P(Entries, RejectedEntry,
                         ::testing::Values(RejectCase{"empty", ""}, RejectCase{"zero", "0"},
                                           RejectCase{"negative", "-50"},
                                           RejectCase{"no_number", "abc"},
                                           RejectCase{"infinite_once_stored", "1e39"}),
                         CaseName{});

TEST_F(EntryFields, setting_a_text_from_code_runs_the_handler_before_returning) {
    form().setText(TextBox::Text1, "80");
    form().setText(TextBox::Text2, "5");
    EXPECT_EQ(caption(Label::LabelZin), "80");
    EXPECT_EQ(state().Zin, 80.0F);
}

TEST_F(EntryFields, setting_the_text_a_box_already_holds_runs_nothing) {
    form().setText(TextBox::Text1, "80");
    form().setText(TextBox::Text2, "5");
    form().setText(TextBox::Text1, "90");
    QSignalSpy changes(box(TextBox::Text2), &QLineEdit::textChanged);
    form().setText(TextBox::Text2, "5");
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(caption(Label::LabelZin), "80") << "Zin not committed again";
    form().setText(TextBox::Text2, "6");
    EXPECT_EQ(changes.count(), 1) << "one real change, one run";
    EXPECT_EQ(caption(Label::LabelZin), "90");
}

TEST_F(EntryFields, emptying_from_code_a_box_that_holds_text_runs_its_handler) {
    form().setText(TextBox::Text1, "50");
    typeInto(TextBox::Text2, "75");
    ASSERT_EQ(state().Zin, 50.0F);
    form().setText(TextBox::Text1, "");
    form().setText(TextBox::Text2, "");
    EXPECT_EQ(state().Zin, 0.0F) << "the handler read the empty Text1";
    EXPECT_EQ(focused(), box(TextBox::Text1));
}

TEST_F(EntryFields, every_keystroke_refreshes_the_previous_fields_label) {
    typeInto(TextBox::Text1, "5");
    typeInto(TextBox::Text2, "1");
    EXPECT_EQ(caption(Label::LabelZin), "5");
    typeInto(TextBox::Text1, "50");
    QTest::mouseClick(box(TextBox::Text2), Qt::LeftButton);
    QTest::keyClick(box(TextBox::Text2), Qt::Key_End);
    typeKeys("2");
    EXPECT_EQ(caption(Label::LabelZin), "50");
    QTest::keyClick(box(TextBox::Text2), Qt::Key_Backspace);
    EXPECT_EQ(box(TextBox::Text2)->text(), "1");
    EXPECT_EQ(caption(Label::LabelZin), "50");
}

} // namespace
} // namespace zelmarino::testing
