#!/usr/bin/env python3
"""Writes the Concentration game's five picture strips as SVG.

Each strip is 13 cards of 70 x 80 pixels side by side: card 0 is the card
back, cards 1..12 the faces of one set. Faces are red text or red outlines on
a cream card. Words are fitted with the real advance widths of Liberation Sans
(read from the installed font files), so no line runs off its card.

    python3 scripts/make_concentration_cards.py   # rewrites assets/concentration/*.svg

Standard library only.
"""
import os
import struct
import sys
from math import cos, sin, pi

W, H = 70, 80
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "assets", "concentration")
FONT_DIR = "/usr/share/fonts/truetype/liberation2"

CREAM = "#FFF6DC"
RED = "#C41E1E"       # face text, shape outlines and the face card's edge
FONT = "Liberation Sans"

# Widest line and tallest block of text on a face, inside the card edge
# with a little margin.
TEXT_WIDTH = 60
TEXT_HEIGHT = 62


# ---------------------------------------------------------------- font metrics

class Metrics:
    """Advance widths of one TrueType font, in em units."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        num = struct.unpack(">H", data[4:6])[0]
        tables = {}
        for i in range(num):
            tag, _, off, length = struct.unpack(">4sIII", data[12 + 16 * i: 28 + 16 * i])
            tables[tag.decode()] = (off, length)
        head = tables["head"][0]
        self.units = struct.unpack(">H", data[head + 18: head + 20])[0]
        hhea = tables["hhea"][0]
        n_metrics = struct.unpack(">H", data[hhea + 34: hhea + 36])[0]
        hmtx = tables["hmtx"][0]
        self.advance = [struct.unpack(">H", data[hmtx + 4 * i: hmtx + 4 * i + 2])[0]
                        for i in range(n_metrics)]
        self.glyph = self._cmap(data, tables["cmap"][0])

    @staticmethod
    def _cmap(data, cmap):
        count = struct.unpack(">H", data[cmap + 2: cmap + 4])[0]
        for i in range(count):
            pid, eid, off = struct.unpack(">HHI", data[cmap + 4 + 8 * i: cmap + 12 + 8 * i])
            sub = cmap + off
            if struct.unpack(">H", data[sub: sub + 2])[0] != 4 or (pid, eid) not in ((3, 1), (0, 3)):
                continue
            seg2 = struct.unpack(">H", data[sub + 6: sub + 8])[0]
            n = seg2 // 2
            ends = struct.unpack(">%dH" % n, data[sub + 14: sub + 14 + seg2])
            starts = struct.unpack(">%dH" % n, data[sub + 16 + seg2: sub + 16 + 2 * seg2])
            deltas = struct.unpack(">%dh" % n, data[sub + 16 + 2 * seg2: sub + 16 + 3 * seg2])
            ro_pos = sub + 16 + 3 * seg2
            ranges = struct.unpack(">%dH" % n, data[ro_pos: ro_pos + seg2])
            table = {}
            for k in range(n):
                for c in range(starts[k], min(ends[k], 0x24F) + 1):
                    if ranges[k] == 0:
                        g = (c + deltas[k]) & 0xFFFF
                    else:
                        p = ro_pos + 2 * k + ranges[k] + 2 * (c - starts[k])
                        g = struct.unpack(">H", data[p: p + 2])[0]
                        if g:
                            g = (g + deltas[k]) & 0xFFFF
                    table[chr(c)] = g
            return table
        raise SystemExit("no Unicode cmap in font")

    def width(self, text, size):
        total = 0
        for ch in text:
            g = self.glyph.get(ch, 0)
            total += self.advance[min(g, len(self.advance) - 1)]
        return total * size / self.units


BOLD = Metrics(os.path.join(FONT_DIR, "LiberationSans-Bold.ttf"))


# ---------------------------------------------------------------- card pieces

def card(body, ground=CREAM, edge=RED):
    """A rounded card inset by one pixel so neighbouring cards stay apart."""
    return ('<rect x="1.5" y="1.5" width="67" height="77" rx="6" ry="6" fill="%s" '
            'stroke="%s" stroke-width="2"/>\n%s' % (ground, edge, body))


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def fitted_words(lines, largest=16, smallest=12, narrowest=0.85):
    """Lines of bold red text centred on the card, as large as fits. A line
    may be narrowed a little (to `narrowest` of its width) rather than set
    smaller; a word too long even so is narrowed further at the smallest size."""
    for size in range(largest, smallest - 1, -1):
        lead = round(size * 1.2)
        widest = max(BOLD.width(l, size) for l in lines)
        if widest * narrowest <= TEXT_WIDTH and lead * len(lines) <= TEXT_HEIGHT:
            return words_block(lines, size, lead)
    lead = round(smallest * 1.2)
    if any(BOLD.width(l, smallest) * 0.75 > TEXT_WIDTH for l in lines) or lead * len(lines) > TEXT_HEIGHT:
        raise SystemExit("does not fit on a card: %r" % (lines,))
    return words_block(lines, smallest, lead)


def words_block(lines, size, lead, colour=RED, centre_y=H / 2):
    # Baselines placed so the block's cap height is centred on the card.
    cap = size * 0.72
    top = centre_y - (lead * (len(lines) - 1) + cap) / 2
    out = []
    for i, line in enumerate(lines):
        y = top + cap + i * lead
        text = ('<text x="35" y="%.1f" font-family="%s" font-size="%d" font-weight="bold" '
                'fill="%s" text-anchor="middle">%s</text>' % (y, FONT, size, colour, esc(line)))
        squeeze = TEXT_WIDTH / BOLD.width(line, size)
        if squeeze < 1:
            text = ('<g transform="translate(35,0) scale(%.3f,1) translate(-35,0)">%s</g>'
                    % (squeeze, text))
        out.append(text)
    return "\n".join(out)


def value_face(text):
    """A decimal or a percent, large."""
    size = 28
    while BOLD.width(text, size) > TEXT_WIDTH - 2:
        size -= 1
    return words_block([text], size, size)


def fraction_face(num, den):
    """A fraction set one above the other on a bar as long as the longer part."""
    size = 24
    cap = size * 0.72
    bar = max(BOLD.width(num, size), BOLD.width(den, size)) + 8
    out = ['<text x="35" y="35" font-family="%s" font-size="%d" font-weight="bold" fill="%s" '
           'text-anchor="middle">%s</text>' % (FONT, size, RED, num),
           '<line x1="%.1f" y1="40.5" x2="%.1f" y2="40.5" stroke="%s" stroke-width="3" '
           'stroke-linecap="round"/>' % (35 - bar / 2, 35 + bar / 2, RED),
           '<text x="35" y="%.1f" font-family="%s" font-size="%d" font-weight="bold" fill="%s" '
           'text-anchor="middle">%s</text>' % (46 + cap, FONT, size, RED, den)]
    return "\n".join(out)


def outline(shape):
    """A shape drawn as a red outline only: the cream card shows inside."""
    return shape.replace("/>", ' fill="none" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>'
                         % RED, 1)


def polygon(points):
    return '<polygon points="%s"/>' % " ".join("%.1f,%.1f" % p for p in points)


def regular(n, r, cx=35.0, cy=40.0, turn=0.0):
    return [(cx + r * cos(turn + 2 * pi * k / n), cy + r * sin(turn + 2 * pi * k / n)) for k in range(n)]


def right_triangle():
    body = outline(polygon([(12, 64), (60, 64), (12, 16)]))
    # The right-angle mark in the corner.
    body += '\n<polyline points="12,55 21,55 21,64" fill="none" stroke="%s" stroke-width="2"/>' % RED
    return body


def cube():
    front = [(10, 30), (44, 30), (44, 64), (10, 64)]
    top = [(10, 30), (26, 16), (60, 16), (44, 30)]
    side = [(44, 30), (60, 16), (60, 50), (44, 64)]
    return "\n".join([outline(polygon(top)), outline(polygon(side)), outline(polygon(front))])


GEOMETRIC = [
    ("Right Triangle", right_triangle()),
    ("Rhombus", outline(polygon([(35, 9), (58, 40), (35, 71), (12, 40)]))),
    ("Octagon", outline(polygon(regular(8, 27, turn=pi / 8)))),
    ("Parallelogram", outline(polygon([(24, 24), (63, 24), (46, 56), (7, 56)]))),
    ("Triangle", outline(polygon([(35, 13), (63, 62), (7, 62)]))),
    ("Hexagon", outline(polygon(regular(6, 27)))),
    ("Pentagon", outline(polygon(regular(5, 28, cy=42, turn=-pi / 2)))),
    ("Trapezoid", outline(polygon([(22, 24), (48, 24), (63, 56), (7, 56)]))),
    ("Ellipse", outline('<ellipse cx="35" cy="40" rx="28" ry="15"/>')),
    ("Circle", outline('<circle cx="35" cy="40" r="25"/>')),
    ("Square", outline('<rect x="14" y="19" width="42" height="42"/>')),
    ("Cube", cube()),
]

NUMBER_TERMS = [["Fraction"], ["Decimal"], ["Addend"], ["Percent"], ["Positive"], ["Negative"],
                ["Improper", "Fraction"], ["Mixed", "Number"], ["Common", "Fraction"], ["Integer"],
                ["Rational", "Number"], ["Irrational", "Number"]]

FRACTION_TERMS = [["Fraction"], ["Numerator"], ["Denominator"], ["Vinculum"], ["Proper", "Fraction"],
                  ["Improper", "Fraction"], ["Mixed", "Number"], ["Lowest", "Terms"], ["Factor"],
                  ["Lowest", "Common", "Denominator"], ["Greatest", "Common", "Factor"], ["Reduced"]]

VALUES = ["50%", "0.35", "1/3", "5/7", "2/3", "30%", "4/5", "0.45", "0.75", "0.20", "20%", "5/8"]

SUBJECTS = [["Math"], ["History"], ["Language", "Arts"], ["Science"], ["Music"], ["Art"], ["Algebra"],
            ["Geometry"], ["Chemistry"], ["Physics"], ["Biology"], ["Ancient", "History"]]


def value(text):
    if "/" in text:
        num, den = text.split("/")
        return fraction_face(num, den)
    return value_face(text)


def back():
    """Our card back, a title card: the program's name across the top of a
    blue card with a gold frame, a question mark on a yellow disc and the four
    operation signs along the bottom."""
    parts = ['<rect x="5.5" y="5.5" width="59" height="69" rx="4" ry="4" fill="none" '
             'stroke="#FFD54F" stroke-width="1.5"/>',
             '<text x="35" y="20" font-family="%s" font-size="11" font-weight="bold" fill="#FFFFFF" '
             'text-anchor="middle">Tallyvale</text>' % FONT,
             '<circle cx="35" cy="42" r="15" fill="#FFD54F" stroke="#0D2456" stroke-width="2"/>',
             '<text x="35" y="50.5" font-family="%s" font-size="23" font-weight="bold" fill="#0D2456" '
             'text-anchor="middle">?</text>' % FONT]
    for x, sign in zip([15, 28, 42, 55], ["+", "\u2212", "\u00d7", "\u00f7"]):
        parts.append('<text x="%d" y="70" font-family="%s" font-size="13" font-weight="bold" '
                     'fill="#BBDEFB" text-anchor="middle">%s</text>' % (x, FONT, sign))
    return card("\n".join(parts), ground="#1E56B0", edge="#0D2456")


SETS = [
    ("geometric", [body for _, body in GEOMETRIC]),
    ("numberterms", [fitted_words(w) for w in NUMBER_TERMS]),
    ("fractions", [fitted_words(w) for w in FRACTION_TERMS]),
    ("values", [value(v) for v in VALUES]),
    ("subjects", [fitted_words(w) for w in SUBJECTS]),
]


def strip(faces):
    cards = [back()] + [card(f) for f in faces]
    assert len(cards) == 13
    groups = "\n".join('<g transform="translate(%d,0)">\n%s\n</g>' % (W * i, c) for i, c in enumerate(cards))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<!-- Generated by scripts/make_concentration_cards.py; edit that, not this. -->\n%s\n</svg>\n'
            % (W * 13, H, W * 13, H, groups))


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, faces in SETS:
        with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(strip(faces))
    return 0


if __name__ == "__main__":
    sys.exit(main())
