// The entry fields through the real window, one case per piece of wiring: typing in Text2
// commits Zin from Text1, typing in Text3 commits Zout from Text2; a refused field is emptied
// with the one being typed in, and the focus goes back to it. The handlers run synchronously,
// once per real change, typed or set from code. Which texts are read as which numbers is the
// core's to test (tests/calc).
#include "tests/ui/window_fixture.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

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

TEST_F(EntryFields, a_refused_zin_empties_text1_and_text2_and_refocuses_text1) {
    typeInto(TextBox::Text1, "60");
    typeInto(TextBox::Text2, "9");
    ASSERT_EQ(caption(Label::LabelZin), "60");
    typeInto(TextBox::Text1, "abc");
    typeInto(TextBox::Text2, "7");
    EXPECT_EQ(box(TextBox::Text1)->text(), "");
    EXPECT_EQ(box(TextBox::Text2)->text(), "");
    EXPECT_EQ(focused(), box(TextBox::Text1));
    EXPECT_EQ(caption(Label::LabelZin), "60") << "the label keeps the last accepted value";
}

TEST_F(EntryFields, a_refused_zout_empties_text2_and_text3_and_refocuses_text2) {
    typeInto(TextBox::Text1, "50");
    typeInto(TextBox::Text2, "abc");
    typeInto(TextBox::Text3, "1");
    EXPECT_EQ(box(TextBox::Text2)->text(), "");
    EXPECT_EQ(box(TextBox::Text3)->text(), "");
    EXPECT_EQ(box(TextBox::Text1)->text(), "50");
    EXPECT_EQ(focused(), box(TextBox::Text2));
    EXPECT_EQ(caption(Label::LabelZout), "");
}

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
