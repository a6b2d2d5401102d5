// The stored layout of Form1: every control with its kind, caption,
// geometry in twips, font and look, in tab order. The window builds itself from it.
#pragma once

#include "ui/caption_label.h"
#include "ui/twips.h"

#include <QColor>

#include <array>
#include <string_view>

namespace zelmarino {

enum class ControlKind { OptionButton, Label, TextBox, CommandButton, Picture };

struct StoredControl {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    TwipsRect geometry;
    double points = 8.25;
    bool bold = false;
    Glyphs glyphs = Glyphs::Plain;
    Qt::Alignment alignment = Qt::AlignLeft;
    QRgb color = 0; // 0: the default text colour
    bool transparent = false;
    // The label whose caption names this control to a screen reader: an entry field shows no
    // caption of its own.
    std::string_view labelledBy = {};
};

inline constexpr TwipsRect form1ClientArea{0, 0, 5610, 5325};
inline constexpr std::string_view aboutMenuCaption = "&Informazioni";

inline constexpr QRgb legendRed = 0xFFC00000;  // 192, 0, 0
inline constexpr QRgb messageRed = 0xFFFF0000; // 255, 0, 0

// Every control, in tab order.
inline constexpr std::array<StoredControl, 25> form1Layout{{
    {.name = "Option1",
     .kind = ControlKind::OptionButton,
     .caption = "a PI greco",
     .geometry = {240, 720, 1095, 255}},
    {.name = "Option2",
     .kind = ControlKind::OptionButton,
     .caption = "a T",
     .geometry = {240, 1200, 735, 255}},
    {.name = "Option3",
     .kind = ControlKind::OptionButton,
     .caption = "ad L  <",
     .geometry = {240, 1680, 855, 255}},
    {.name = "Option4",
     .kind = ControlKind::OptionButton,
     .caption = "ad L  >",
     .geometry = {240, 2160, 855, 255}},
    {.name = "Label1",
     .kind = ControlKind::Label,
     .caption = "Impedenza  Zin",
     .geometry = {240, 3240, 1095, 255}},
    {.name = "Text1",
     .kind = ControlKind::TextBox,
     .caption = "",
     .geometry = {1800, 3120, 855, 375},
     .points = 9.75,
     .bold = true,
     .alignment = Qt::AlignHCenter,
     .labelledBy = "Label1"},
    {.name = "Label2",
     .kind = ControlKind::Label,
     .caption = "Impedenza Zout",
     .geometry = {240, 3960, 1215, 255}},
    {.name = "Text2",
     .kind = ControlKind::TextBox,
     .caption = "",
     .geometry = {1800, 3840, 855, 375},
     .points = 9.75,
     .bold = true,
     .alignment = Qt::AlignHCenter,
     .labelledBy = "Label2"},
    {.name = "Label3",
     .kind = ControlKind::Label,
     .caption = "Attenuazione",
     .geometry = {240, 4680, 975, 255}},
    {.name = "Text3",
     .kind = ControlKind::TextBox,
     .caption = "",
     .geometry = {1800, 4560, 855, 375},
     .points = 9.75,
     .bold = true,
     .alignment = Qt::AlignHCenter,
     .labelledBy = "Label3"},
    {.name = "Command1",
     .kind = ControlKind::CommandButton,
     .caption = "Calcola",
     .geometry = {4080, 4440, 1095, 495},
     .bold = true,
     .alignment = Qt::AlignHCenter},
    // Its stored background, the 3-D light system colour, is one a standard push button
    // does not show, so it keeps the button's own.
    {.name = "delete",
     .kind = ControlKind::CommandButton,
     .caption = "Cancella",
     .geometry = {4080, 3120, 1095, 495},
     .bold = true,
     .alignment = Qt::AlignHCenter},
    {.name = "Label4",
     .kind = ControlKind::Label,
     .caption = "ohm",
     .geometry = {2880, 3240, 375, 255}},
    {.name = "Label5",
     .kind = ControlKind::Label,
     .caption = "ohm",
     .geometry = {2880, 3960, 375, 255}},
    {.name = "Label6",
     .kind = ControlKind::Label,
     .caption = "dB",
     .geometry = {2880, 4680, 255, 255}},
    {.name = "piti",
     .kind = ControlKind::Label,
     .caption = "",
     .geometry = {2880, 1680, 735, 375},
     .points = 9.75,
     .glyphs = Glyphs::Symbol,
     .transparent = true},
    {.name = "LabelZin",
     .kind = ControlKind::Label,
     .caption = "",
     .geometry = {1920, 1560, 615, 255},
     .bold = true,
     .transparent = true},
    {.name = "LabelZout",
     .kind = ControlKind::Label,
     .caption = "",
     .geometry = {4800, 1560, 495, 255},
     .bold = true,
     .alignment = Qt::AlignRight,
     .transparent = true},
    {.name = "Label7",
     .kind = ControlKind::Label,
     .caption = "Z in",
     .geometry = {1920, 1320, 375, 255},
     .color = legendRed,
     .transparent = true},
    {.name = "Label8",
     .kind = ControlKind::Label,
     .caption = "Z out",
     .geometry = {4920, 1320, 375, 255},
     .color = legendRed,
     .transparent = true},
    {.name = "tielle",
     .kind = ControlKind::Label,
     .caption = "",
     .geometry = {2640, 600, 855, 255},
     .points = 9.75,
     .glyphs = Glyphs::Symbol,
     .alignment = Qt::AlignHCenter,
     .transparent = true},
    {.name = "ti",
     .kind = ControlKind::Label,
     .caption = "",
     .geometry = {3840, 600, 615, 255},
     .glyphs = Glyphs::Symbol,
     .alignment = Qt::AlignHCenter,
     .transparent = true},
    {.name = "pielle",
     .kind = ControlKind::Label,
     .caption = "",
     .geometry = {3480, 1680, 735, 255},
     .points = 9.75,
     .glyphs = Glyphs::Symbol,
     .alignment = Qt::AlignRight,
     .transparent = true},
    {.name = "Label9",
     .kind = ControlKind::Label,
     .caption = "",
     .geometry = {1800, 120, 3615, 255},
     .alignment = Qt::AlignHCenter,
     .color = messageRed},
    {.name = "Image1",
     .kind = ControlKind::Picture,
     .caption = "",
     .geometry = {1800, 360, 3600, 2400}},
}};

} // namespace zelmarino
