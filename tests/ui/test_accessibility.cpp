// What a screen reader reads out: the names that Qt's accessibility interfaces give the
// controls, as an assistive technology asks for them.
#include "tests/ui/window_fixture.h"
#include "ui/form1_layout.h"

#include <QAccessible>
#include <QLineEdit>

#include <ostream>
#include <string>

namespace zelmarino::testing {
namespace {

// As an assistive technology asks for it; spaces run together, as it reads them out.
std::string spokenName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name).simplified().toStdString()
                           : std::string();
}

struct FieldCase {
    std::string name;
    TextBox box;
    const char* captionLabel; // the label to its left
    std::string spoken;
};

void PrintTo(const FieldCase& c, std::ostream* out) {
    *out << c.name;
}

class EntryFieldName : public WindowTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(EntryFieldName, is_the_caption_beside_it) {
    const FieldCase& c = GetParam();
    QLineEdit* field = box(c.box);
    EXPECT_EQ(spokenName(field), c.spoken);
    QWidget* caption = control(c.captionLabel);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(spokenName(field), spokenName(caption));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EntryFieldName,
    ::testing::Values(FieldCase{"Text1", TextBox::Text1, "Label1", "Impedenza Zin"},
                      FieldCase{"Text2", TextBox::Text2, "Label2", "Impedenza Zout"},
                      FieldCase{"Text3", TextBox::Text3, "Label3", "Attenuazione"}),
    CaseName{});

using ScreenReader = WindowTest;

// The option buttons, the entry fields and the command buttons: what the user acts on.
TEST_F(ScreenReader, every_control_the_user_acts_on_has_a_name) {
    int named = 0;
    for (const StoredControl& stored : form1Layout) {
        if (stored.kind == ControlKind::Label || stored.kind == ControlKind::Picture) {
            continue;
        }
        const std::string name(stored.name);
        QWidget* widget = control(name.c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_NE(spokenName(widget), "") << name;
        ++named;
    }
    EXPECT_EQ(named, 9) << "four option buttons, three entry fields, two command buttons";
}

} // namespace
} // namespace zelmarino::testing
