#!/usr/bin/python3
"""Draws Zelmarino's pictures: the four schematics, the initial T schematic and the icon.

The pictures are committed next to this script, so building needs no image tools; run it
again (Debian: apt-get install python3-pil fonts-liberation2) after changing a drawing:

    assets/draw_pictures.py [output directory, default: the script's directory]

Each schematic is a black line drawing on white, 236 x 156 pixels, shown inside Image1
(left 1800, top 360 twips, a 2-pixel frame). The window's value labels lie over it, so
every resistor is drawn next to where its label stands for that network (the tops are
the stored ones, the lefts those each network moves its labels to): a label at L, T twips stands over the picture at
L / 15 - 122, T / 15 - 26 pixels.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

WIDTH, HEIGHT = 236, 156
IMAGE1_LEFT, IMAGE1_TOP, FRAME = 1800 // 15, 360 // 15, 2
FONT = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"

WHITE, BLACK = 0, 1
TOP_Y, BOTTOM_Y = 40, 124  # the two lines of every schematic
PORT_LEFT_X, PORT_RIGHT_X = 6, 229  # terminal circles
SERIES = (36, 12)  # horizontal resistor: length, thickness
SHUNT = (12, 36)  # vertical resistor
SHUNT_CENTRE_Y = 92  # beside the text of piti and pielle (top 1680 twips)


def over_picture(twips):
    """A label's left (or top) in twips as a picture coordinate in pixels."""
    return round(twips / 15) - IMAGE1_LEFT - FRAME


def centre_over_picture(left_twips, width_twips):
    """The centre of a centred label over the picture."""
    return over_picture(left_twips) + round(width_twips / 15) / 2


class Schematic:
    """A line drawing in a 256-colour palette, white background, black lines."""

    def __init__(self):
        self.image = Image.new("P", (WIDTH, HEIGHT), WHITE)
        self.image.putpalette([255, 255, 255, 0, 0, 0] + [0, 0, 0] * 254)
        self.draw = ImageDraw.Draw(self.image)
        self.draw.fontmode = "1"  # no grey edges: the legend stays black on white
        self.nodes = []

    def line(self, x0, y0, x1, y1):
        self.draw.line([(x0, y0), (x1, y1)], fill=BLACK)

    def rails(self):
        self.line(PORT_LEFT_X + 3, TOP_Y, PORT_RIGHT_X - 3, TOP_Y)
        self.line(PORT_LEFT_X + 3, BOTTOM_Y, PORT_RIGHT_X - 3, BOTTOM_Y)
        for x in (PORT_LEFT_X, PORT_RIGHT_X):
            for y in (TOP_Y, BOTTOM_Y):
                self.draw.ellipse([x - 3, y - 3, x + 3, y + 3], outline=BLACK, fill=WHITE)

    def series(self, centre_x):
        """A resistor on the top line, centred under a centred label."""
        length, thickness = SERIES
        x0 = round(centre_x - length / 2)
        self.draw.rectangle(
            [x0, TOP_Y - thickness // 2, x0 + length, TOP_Y + thickness // 2],
            outline=BLACK, fill=WHITE)

    def shunt(self, x):
        """A resistor from the top line down to the bottom line at x, with its nodes."""
        thickness, length = SHUNT
        self.line(x, TOP_Y, x, BOTTOM_Y)
        y0 = SHUNT_CENTRE_Y - length // 2
        self.draw.rectangle(
            [x - thickness // 2, y0, x + thickness // 2, y0 + length],
            outline=BLACK, fill=WHITE)
        self.nodes += [(x, TOP_Y), (x, BOTTOM_Y)]

    def legend(self, text):
        font = ImageFont.truetype(FONT, 12)
        width = self.draw.textlength(text, font=font)
        self.draw.text(((WIDTH - width) / 2, BOTTOM_Y + 12), text, fill=BLACK, font=font)

    def finish(self):
        for x, y in self.nodes:
            self.draw.ellipse([x - 2, y - 2, x + 2, y + 2], fill=BLACK)
        return self.image


# Where the labels stand over the picture (stored widths, per-network lefts).
PITI_WIDTH, TIELLE_WIDTH, TI_WIDTH, PIELLE_WIDTH = 735, 855, 615, 735


def pi_network():
    """Shunt at the Zin port left of piti, series under tielle, shunt right of pielle."""
    s = Schematic()
    s.rails()
    piti_left = over_picture(2880)
    pielle_right = over_picture(3480) + round(PIELLE_WIDTH / 15)
    s.shunt(piti_left - 12)
    s.series(centre_over_picture(3120, TIELLE_WIDTH))
    s.shunt(pielle_right + 13)
    return s.finish()


def t_network(legend):
    """Series arms under tielle (Zin side) and ti (Zout side), shunt right of piti."""
    s = Schematic()
    s.rails()
    tielle_centre = centre_over_picture(2640, TIELLE_WIDTH)
    ti_centre = centre_over_picture(3840, TI_WIDTH)
    s.series(tielle_centre)
    s.series(ti_centre)
    s.shunt(round((tielle_centre + ti_centre) / 2))
    if legend:
        s.legend("Z in > Z out")
    return s.finish()


def l_network(piti_twips, tielle_twips):
    """Series arm under tielle next to the Zin port, shunt across the Zout port right of
    the text of piti."""
    s = Schematic()
    s.rails()
    s.series(centre_over_picture(tielle_twips, TIELLE_WIDTH))
    s.shunt(over_picture(piti_twips) + 52)
    return s.finish()


# The icon: a grey component body, its row of pins and a red marking, 32 x 32, 16 colours.
ICON_PALETTE = [
    (0, 128, 128),  # 0: transparent
    (0, 0, 0),  # 1: black
    (128, 128, 128),  # 2: grey
    (192, 192, 192),  # 3: silver
    (255, 255, 255),  # 4: white
    (255, 0, 0),  # 5: red
    (128, 0, 0),  # 6: dark red
    (64, 64, 64),  # 7: dark grey
] + [(0, 0, 0)] * 8


def icon():
    image = Image.new("P", (32, 32), 0)
    image.putpalette([c for rgb in ICON_PALETTE for c in rgb])
    draw = ImageDraw.Draw(image)
    # A row of pins below the body.
    for x in range(5, 27, 4):
        draw.rectangle([x, 21, x + 1, 29], fill=3)
        draw.line([(x + 1, 22), (x + 1, 29)], fill=2)
    # The body, lit from the top left.
    draw.rectangle([2, 8, 29, 22], fill=2, outline=1)
    draw.line([(3, 9), (28, 9)], fill=3)
    draw.line([(3, 9), (3, 21)], fill=3)
    draw.line([(4, 21), (28, 21)], fill=7)
    draw.line([(28, 10), (28, 21)], fill=7)
    # The red marking: a band across the body and the pin-1 dot.
    draw.rectangle([9, 12, 25, 17], fill=5, outline=6)
    draw.rectangle([4, 17, 6, 19], fill=5)
    image.info["transparency"] = 0
    return image


def save_gif(image, path):
    image.save(path, "GIF", optimize=False)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    save_gif(pi_network(), os.path.join(out, "pigreco.gif"))
    save_gif(t_network(legend=True), os.path.join(out, "ti.gif"))
    save_gif(l_network(3244, 2760), os.path.join(out, "elle2.gif"))  # ad L <
    save_gif(l_network(3480, 3000), os.path.join(out, "elle1.gif"))  # ad L >
    save_gif(t_network(legend=True), os.path.join(out, "initial-t.gif"))

    small = icon()
    small.save(os.path.join(out, "zelmarino-32.png"), transparency=0)
    sizes = {32: small.convert("RGBA")}
    for size in (64, 128, 256):
        sizes[size] = small.resize((size, size), Image.Resampling.NEAREST).convert("RGBA")
        sizes[size].save(os.path.join(out, f"zelmarino-{size}.png"))
    sizes[256].save(os.path.join(out, "zelmarino.ico"),
                    sizes=[(16, 16), (32, 32), (48, 48), (64, 64), (128, 128), (256, 256)],
                    append_images=[sizes[32], sizes[64], sizes[128]])


if __name__ == "__main__":
    main()
