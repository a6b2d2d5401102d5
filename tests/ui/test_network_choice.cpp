// Network choice through the real window: each option button loads its picture from the program's
// directory, sets the network, moves exactly its labels and empties the design; "Cancella"
// empties it and keeps the network. A picture that cannot be loaded is reported and the
// option buttons keep showing the network in force (M4).
#include "tests/ui/window_fixture.h"
#include "ui/picture_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <ostream>

namespace zelmarino::testing {
namespace {

const std::vector<Label> valueLabels{Label::LabelZin, Label::LabelZout, Label::piti,
                                     Label::pielle,   Label::tielle,    Label::ti};
const std::vector<Label> resistorLabels{Label::piti, Label::pielle, Label::tielle, Label::ti};
const std::vector<design::Network> networks{design::Network::Pi, design::Network::T,
                                            design::Network::LOut, design::Network::LIn};

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage shownPicture(Form1& form) {
    return rgb(form.findChild<PictureBox*>("Image1")->pixmap().toImage());
}

std::map<Label, int> storedLefts(Form1& form) {
    std::map<Label, int> lefts;
    for (Label label : resistorLabels) {
        lefts[label] = form.label(label)->storedGeometry().left();
    }
    return lefts;
}

struct ChoiceCase {
    std::string name;
    design::Network network;
    design::Network before; // the network chosen, and designed, before the click
    QString picture;
    std::map<Label, int> moved; // lefts in twips
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

const std::vector<ChoiceCase> choices{
    {"Pi_after_T",
     design::Network::Pi,
     design::Network::T,
     "pigreco.gif",
     {{Label::piti, 2880}, {Label::tielle, 3120}, {Label::pielle, 3480}}},
    {"T_after_Pi",
     design::Network::T,
     design::Network::Pi,
     "ti.gif",
     {{Label::piti, 2880}, {Label::tielle, 2640}, {Label::ti, 3840}}},
    {"L_less_after_L_greater",
     design::Network::LOut,
     design::Network::LIn,
     "elle2.gif",
     {{Label::piti, 3244}, {Label::tielle, 2760}}},
    {"L_greater_after_L_less",
     design::Network::LIn,
     design::Network::LOut,
     "elle1.gif",
     {{Label::piti, 3480}, {Label::tielle, 3000}}},
    {"Pi_after_L_greater",
     design::Network::Pi,
     design::Network::LIn,
     "pigreco.gif",
     {{Label::piti, 2880}, {Label::tielle, 3120}, {Label::pielle, 3480}}},
    {"T_after_L_less",
     design::Network::T,
     design::Network::LOut,
     "ti.gif",
     {{Label::piti, 2880}, {Label::tielle, 2640}, {Label::ti, 3840}}},
};

class OptionButton : public WindowTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(OptionButton, loads_its_picture_sets_the_network_and_moves_exactly_its_labels) {
    const ChoiceCase& c = GetParam();
    design(c.before, "75", "50", "1"); // a negative value: the message is on Label9
    ASSERT_FALSE(caption(Label::Label9).empty());
    std::map<Label, int> expectedLefts = storedLefts(form());
    for (const auto& [label, twips] : c.moved) {
        expectedLefts[label] = qRound(twips / 15.0);
    }
    const std::string message = caption(Label::Label9);

    clickOption(c.network);

    EXPECT_EQ(shownPicture(form()),
              rgb(QImage(QDir(QCoreApplication::applicationDirPath()).filePath(c.picture))));
    EXPECT_EQ(state().NetworkType, c.network);
    EXPECT_TRUE(option(c.network)->isChecked());
    EXPECT_EQ(storedLefts(form()), expectedLefts);
    for (Label label : resistorLabels) {
        EXPECT_EQ(this->label(label)->storedGeometry().top(), this->label(label)->geometry().top())
            << "vertical places never change";
    }
    for (TextBox textBox : {TextBox::Text1, TextBox::Text2, TextBox::Text3}) {
        EXPECT_EQ(box(textBox)->text(), "");
    }
    for (Label label : valueLabels) {
        EXPECT_EQ(caption(label), "");
    }
    EXPECT_EQ(caption(Label::Label9), message) << "the message stays until Calcola or Cancella";
    EXPECT_EQ(focused(), box(TextBox::Text1));
}

INSTANTIATE_TEST_SUITE_P(Networks, OptionButton, ::testing::ValuesIn(choices), CaseName{});

using NetworkChoice = WindowTest;

TEST_F(NetworkChoice, picture_box_keeps_its_corner_and_takes_the_picture_size_plus_frame) {
    QWidget* image = control("Image1");
    EXPECT_EQ(image->geometry(), QRect(120, 24, 240, 160)) << "the initial T picture";
    for (design::Network network : networks) {
        clickOption(network);
        const QSize picture = shownPicture(form()).size();
        EXPECT_EQ(image->geometry(), QRect(QPoint(120, 24), picture + QSize(4, 4)));
    }
}

TEST_F(NetworkChoice, a_picture_of_another_size_resizes_the_box_around_its_corner) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(Qt::yellow);
    // Qt writes no GIF; the reader recognises the content whatever the name says.
    ASSERT_TRUE(small.save(directory.filePath("ti.gif"), "PNG"));
    form().setPictureDirectory(directory.path());
    clickOption(design::Network::T);
    EXPECT_EQ(control("Image1")->geometry(), QRect(120, 24, 104, 54));
    EXPECT_EQ(state().NetworkType, design::Network::T);
}

TEST_F(NetworkChoice, pictures_are_read_from_the_programs_directory) {
    EXPECT_EQ(form().pictureDirectory(), QCoreApplication::applicationDirPath());
}

TEST_F(NetworkChoice, choosing_pi_empties_the_value_of_ti) {
    design(design::Network::T, "75", "50", "10");
    ASSERT_FALSE(caption(Label::ti).empty());
    clickOption(design::Network::Pi);
    EXPECT_EQ(caption(Label::ti), "");
}

TEST_F(NetworkChoice, cancella_empties_inputs_values_and_message_and_keeps_the_network) {
    design(design::Network::T, "75", "50", "3");
    ASSERT_FALSE(caption(Label::Label9).empty());
    const std::map<Label, int> lefts = storedLefts(form());
    const QImage picture = shownPicture(form());

    clickButton("delete");

    for (TextBox textBox : {TextBox::Text1, TextBox::Text2, TextBox::Text3}) {
        EXPECT_EQ(box(textBox)->text(), "");
    }
    for (Label label : valueLabels) {
        EXPECT_EQ(caption(label), "");
    }
    EXPECT_EQ(caption(Label::Label9), "");
    EXPECT_EQ(state().NetworkType, design::Network::T);
    EXPECT_TRUE(option(design::Network::T)->isChecked());
    EXPECT_EQ(storedLefts(form()), lefts);
    EXPECT_EQ(shownPicture(form()), picture);
    EXPECT_EQ(state().Zin, 0.0F);
    EXPECT_EQ(state().Zout, 0.0F);
    EXPECT_EQ(focused(), box(TextBox::Text1));
}

TEST_F(NetworkChoice, calcola_right_after_cancella_still_uses_the_network) {
    design(design::Network::T, "75", "50", "10");
    clickButton("delete");
    typeKeys("50");
    pressTab();
    typeKeys("50");
    pressTab();
    typeKeys("10");
    clickButton("Command1");
    EXPECT_EQ(caption(Label::tielle), " 26 W");
    EXPECT_EQ(caption(Label::ti), " 26 W");
    EXPECT_EQ(caption(Label::piti), " 35 W");
}

// M4: run from a directory without the pictures.
class MissingPicture : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(m_empty.isValid());
    }

    // Clicks the option with the pictures gone and answers the message box; returns its text.
    std::optional<QString> chooseWithoutPictures(design::Network network) {
        form().setPictureDirectory(m_empty.path());
        std::optional<QString> text;
        m_modals.expect([&text](QMessageBox& box) {
            text = box.text();
            box.accept();
        });
        clickOption(network);
        form().setPictureDirectory(QCoreApplication::applicationDirPath());
        return text;
    }

    QTemporaryDir m_empty;
};

TEST_F(MissingPicture, is_reported_by_name_and_no_option_shows_chosen_when_none_was) {
    const std::optional<QString> text = chooseWithoutPictures(design::Network::Pi);
    ASSERT_TRUE(text.has_value()) << "no message box";
    EXPECT_TRUE(text->contains("\"pigreco.gif\"")) << text->toStdString();
    EXPECT_TRUE(text->startsWith("Impossibile caricare")) << "in Italian";
    EXPECT_EQ(state().NetworkType, std::nullopt);
    for (design::Network network : networks) {
        EXPECT_FALSE(option(network)->isChecked());
    }
}

TEST_F(MissingPicture, leaves_the_network_in_force_shown_and_the_design_as_it_was) {
    design(design::Network::T, "75", "50", "10");
    const std::map<Label, int> lefts = storedLefts(form());
    const QImage picture = shownPicture(form());
    const std::string tielle = caption(Label::tielle);

    const std::optional<QString> text = chooseWithoutPictures(design::Network::LOut);
    ASSERT_TRUE(text.has_value()) << "no message box";
    EXPECT_TRUE(text->contains("\"elle2.gif\"")) << text->toStdString();

    EXPECT_EQ(state().NetworkType, design::Network::T);
    EXPECT_TRUE(option(design::Network::T)->isChecked());
    EXPECT_FALSE(option(design::Network::LOut)->isChecked());
    EXPECT_EQ(storedLefts(form()), lefts);
    EXPECT_EQ(shownPicture(form()), picture);
    EXPECT_EQ(box(TextBox::Text1)->text(), "75");
    EXPECT_EQ(caption(Label::tielle), tielle);

    clickOption(design::Network::LOut);
    EXPECT_EQ(state().NetworkType, design::Network::LOut) << "the group still works afterwards";
    EXPECT_TRUE(option(design::Network::LOut)->isChecked());
    EXPECT_FALSE(option(design::Network::T)->isChecked());
}

} // namespace
} // namespace zelmarino::testing
