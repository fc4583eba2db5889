#!/usr/bin/env python3
"""Writes a construction program for benchmarks: valid statements of many forms, built so
that nearly every construction has a solution, deterministic for a given seed.

    generate_program.py --statements 100000 --seed 1 > p100k.vlk
    generate_program.py --largest > largest.vlk     # 65 536 points, lines and circles

Every construction form of the language appears, with variables, forms and comments. Statements come in small
groups whose geometry is known in advance (a circle, its centre, a point at a chosen
distance from it, ...), so that intersections, tangents and tangent circles of given radius
are constructed rather than refused. Groups also refer to random earlier elements, which
spreads the reads over the whole tables.
"""
import argparse
import sys

CAPACITY = 65536  # element numbers per kind


class Rng:
    """A small xorshift generator: the same seed gives the same program on every Python."""

    def __init__(self, seed):
        self.state = (seed * 2654435761 + 0x9E3779B97F4A7C15) & 0xFFFFFFFFFFFFFFFF or 1

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFFFFFFFFFF
        x ^= x >> 7
        x ^= (x << 17) & 0xFFFFFFFFFFFFFFFF
        self.state = x
        return x

    def uniform(self, a, b):
        return a + (b - a) * (self.next() >> 11) / float(1 << 53)

    def below(self, n):
        return self.next() % n

    def pick(self, seq):
        return seq[self.below(len(seq))]


def num(x):
    """A number as a user would type it: up to three decimals, no trailing zeros."""
    text = f"{x:.3f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


class Program:
    def __init__(self, rng):
        self.rng = rng
        self.lines = []
        self.points = []     # numbers of the points built so far
        self.lignes = []     # numbers of the lines
        self.circles = []    # numbers of the circles whose radius is known
        self.radius = {}     # circle number -> radius
        self.variables = []  # numbers of the variables
        self.next = {"P": 0, "L": 0, "C": 0}

    def room(self, kind, n=1):
        return self.next[kind] + n <= CAPACITY

    def colour_layer(self):
        return f"{self.rng.below(16)},{self.rng.below(32)}"

    def add(self, kind, args, radius=None):
        n = self.next[kind]
        self.next[kind] += 1
        self.lines.append(f"{kind}{n}:={args},{self.colour_layer()}")
        if kind == "P":
            self.points.append(n)
        elif kind == "L":
            self.lignes.append(n)
        elif radius is not None:
            self.circles.append(n)
            self.radius[n] = radius
        return n

    def angle(self):
        return num(self.rng.uniform(0, 360))

    def coord(self):
        return num(self.rng.uniform(-1000, 1000))

    def old_point(self):
        return self.rng.pick(self.points)

    def old_line(self):
        return self.rng.pick(self.lignes)

    def old_circle(self):
        return self.rng.pick(self.circles)

    # Groups of statements; GROUPS below says how many elements of each kind they add.

    def point_forms(self):
        r = self.rng
        self.add("P", f"{self.coord()},{self.coord()}")
        self.add("P", f"{num(r.uniform(1, 500))},A{self.angle()}")
        self.add("P", f"P{self.old_point()},{num(r.uniform(-50, 50))},{num(r.uniform(1, 50))}")
        self.add("P", f"P{self.old_point()},{num(r.uniform(1, 80))},A{self.angle()}")
        a, b = self.old_point(), self.old_point()
        self.add("P", f"P{a},P{b},M")
        self.add("P", f"P{a},P{b},A{self.angle()}")
        self.add("P", f"P{a},P{b}")
        self.add("P", f"P{a},L{self.old_line()}")

    def line_forms(self):
        r = self.rng
        p = self.old_point()
        self.add("L", f"{self.coord()},{self.coord()},A{self.angle()}")
        self.add("L", f"P{p},A{self.angle()}")
        q = self.add("P", f"P{p},{num(r.uniform(1, 90))},{num(r.uniform(-90, -1))}")
        self.add("L", f"P{p},P{q}")
        self.add("L", f"P{self.old_point()},L{self.old_line()}")
        self.add("L", f"P{self.old_point()},L{self.old_line()},O")
        self.add("L", f"{self.coord()},{r.pick('XY')}")
        self.add("L", f"L{self.old_line()},{num(r.uniform(1, 100))},{r.pick('HBDG')}")
        self.add("L", f"L{self.old_line()},P{self.old_point()}")
        self.add("L", f"L{self.old_line()},P{self.old_point()},A{self.angle()}")

    def line_pairs(self):
        """Intersection, mirror image and bisector of two lines that are not parallel."""
        a = self.old_line()
        b = self.add("L", f"P{self.old_point()},A{self.angle()}")
        self.add("P", f"L{a},L{b}")
        self.add("L", f"L{a},L{b}")
        self.add("L", f"L{a},L{b},M")

    def circle_forms(self):
        r = self.rng
        radius = r.uniform(5, 200)
        self.add("C", f"{self.coord()},{self.coord()},{num(radius)}", float(num(radius)))
        radius = r.uniform(5, 200)
        self.add("C", f"P{self.old_point()},{num(radius)}", float(num(radius)))
        c = self.old_circle()
        rc = self.radius[c]
        self.add("C", f"C{c},{num(r.uniform(-90, 90))},{num(r.uniform(-90, 90))}", rc)
        self.add("C", f"C{c},{num(r.uniform(1, 90))},A{self.angle()}", rc)
        self.add("C", f"C{c},P{self.old_point()},A{self.angle()}", rc)
        self.add("C", f"C{c},P{self.old_point()}", rc)
        self.add("C", f"C{c},L{self.old_line()}", rc)
        radius = r.uniform(1, 300)
        self.add("C", f"C{c},{num(radius)}", float(num(radius)))
        self.add("C", f"C{c},{num(rc / 2)},G", rc + float(num(rc / 2)))
        a = self.old_point()
        b = self.add("P", f"P{a},{num(r.uniform(1, 100))},A{self.angle()}")
        self.add("C", f"P{a},P{b}")
        self.add("C", f"P{b},L{self.old_line()}")  # b lies on no earlier line

    def circle_line(self):
        """A line through a circle's centre cuts it and is tangent to its offsets."""
        c = self.old_circle()
        rc = self.radius[c]
        o = self.add("P", f"C{c}")
        l = self.add("L", f"P{o},A{self.angle()}")
        self.add("P", f"L{l},C{c},{self.rng.pick('HBDG')}")
        self.add("L", f"L{l},C{c},{self.rng.pick('HBDG')}")
        self.add("L", f"L{l},C{c},O,{self.rng.pick('HBDG')}")
        self.add("L", f"C{c},A{self.angle()},{self.rng.pick('HBDG')}")
        far = self.add("P", f"P{o},{num(rc * self.rng.uniform(1.5, 4))},A{self.angle()}")
        self.add("L", f"P{far},C{c},{self.rng.pick('HBDG')}")
        self.add("C", f"P{far},C{c},G")
        radius = num(rc * self.rng.uniform(0.2, 2))
        self.add("C", f"L{l},C{c},{radius},{self.rng.pick('HBDG')},E,{self.rng.pick('HBDG')}",
                 float(radius))

    def two_circles(self):
        """Two equal circles side by side, closer than a diameter, then farther apart."""
        r = self.rng
        c = self.old_circle()
        rc = self.radius[c]
        o = self.add("P", f"C{c}")
        near = self.add("P", f"P{o},{num(rc * r.uniform(0.3, 1.8))},0")
        c2 = self.add("C", f"P{near},{num(rc)}", float(num(rc)))
        cut = self.add("P", f"C{c},C{c2},{r.pick('HBDG')}")
        d = rc * r.uniform(3, 5)
        apart = self.add("P", f"P{o},{num(d)},0")
        radius2 = float(num(rc * r.uniform(0.3, 1)))
        c3 = self.add("C", f"P{apart},{num(radius2)}", radius2)
        side = r.pick("HB")  # both contacts on the same side: an outer tangent
        self.add("L", f"C{c},C{c3},{side},{side}")
        big = num(d)
        self.add("C", f"C{c},C{c3},{big},E,E,{r.pick('HB')}", float(big))
        self.add("C", f"P{o},P{near},P{cut}")

    def tangent_circles(self):
        """Circles of given radius through points and tangent to lines."""
        r = self.rng
        a = self.old_point()
        d = r.uniform(5, 100)
        b = self.add("P", f"P{a},{num(d)},A{self.angle()}")
        radius = num(d * r.uniform(0.6, 2))
        self.add("C", f"P{a},P{b},{radius},{r.pick('HBDG')}", float(radius))
        l = self.add("L", f"P{b},A{self.angle()}")
        radius = num(d * r.uniform(0.6, 2))
        self.add("C", f"P{a},L{l},{radius},{r.pick('HBDG')}", float(radius))
        l2 = self.add("L", f"P{a},A{self.angle()}")
        radius = num(r.uniform(1, 50))
        self.add("C", f"L{l},L{l2},{radius},{r.pick('HBDG')},{r.pick('HBDG')}", float(radius))
        c = self.old_circle()
        o = self.add("P", f"C{c}")
        dist = self.radius[c] * r.uniform(1.5, 3)
        p = self.add("P", f"P{o},{num(dist)},A{self.angle()}")
        radius = num(dist)
        self.add("C", f"P{p},C{c},{radius},E,{r.pick('HBDG')}", float(radius))
        self.add("C", f"P{a},P{b},P{p}")

    def variable_forms(self):
        r = self.rng
        n = r.below(64)
        self.lines.append(f"V{n}:={self.coord()}")
        if n not in self.variables:
            self.variables.append(n)
        m = r.pick(self.variables)
        p = self.add("P", f"V{n},V{m}")
        self.add("C", f"P{p},V{r.pick(self.variables)}")

    def text_forms(self):
        """Comments, a trailing comment and a form with its body, as users write them."""
        self.lines.append("{ construction suivante }")
        self.add("P", f"{self.coord()},{self.coord()}")
        self.lines[-1] += " {repere}"
        self.lines.append(f"F{self.rng.below(100)}:=")
        self.lines.append("CONTOUR")
        self.lines.append("FIN")

    GROUPS = [  # (method, weight, points, lines, circles it may create at most)
        ("point_forms", 3, 8, 0, 0),
        ("line_forms", 3, 1, 9, 0),
        ("line_pairs", 2, 1, 3, 0),
        ("circle_forms", 3, 1, 0, 11),
        ("circle_line", 3, 3, 5, 2),
        ("two_circles", 3, 4, 1, 4),
        ("tangent_circles", 3, 3, 2, 5),
        ("variable_forms", 1, 1, 0, 1),
        ("text_forms", 1, 1, 0, 0),
    ]

    def seed_elements(self):
        """The usual axes and a few elements for the groups to start from."""
        self.add("P", "0,0")
        self.add("L", "P0,A0")
        self.add("L", "P0,A90")
        self.add("C", "0,0,50", 50.0)
        self.add("P", "100,50")
        self.lines.append("V0:=12.5")
        self.variables.append(0)

    def grow(self, limit):
        total = sum(w for _, w, *_ in self.GROUPS)
        while len(self.lines) < limit:
            fits = [g for g in self.GROUPS
                    if self.room("P", g[2]) and self.room("L", g[3]) and self.room("C", g[4])]
            if not fits:
                return
            k = self.rng.below(total)
            for name, w, *_ in self.GROUPS:
                if k < w:
                    break
                k -= w
            group = next((g for g in fits if g[0] == name), fits[0])
            getattr(self, group[0])()

    def fill(self):
        """Tops every kind up to all of its numbers with simple statements."""
        r = self.rng
        while self.room("P"):
            self.add("P", f"{self.coord()},{self.coord()}")
        while self.room("L"):
            self.add("L", f"P{self.old_point()},A{self.angle()}")
        while self.room("C"):
            radius = num(r.uniform(1, 200))
            self.add("C", f"P{self.old_point()},{radius}", float(radius))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    size = parser.add_mutually_exclusive_group(required=True)
    size.add_argument("--statements", type=int, help="number of statements after the header")
    size.add_argument("--largest", action="store_true",
                      help="65 536 points, 65 536 lines and 65 536 circles")
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()

    program = Program(Rng(args.seed))
    program.seed_elements()
    if args.largest:
        program.grow(3 * CAPACITY)
        program.fill()
        body = program.lines
    else:
        program.grow(args.statements)
        body = program.lines[:args.statements]

    out = sys.stdout
    out.write("Programme VELK Version 1.0 01/01/2026 00:00:00\r\n")
    out.write("Derniere modif. : 01/01/2026 00:00:00\r\n")
    out.write("\r\n")
    for line in body:
        out.write(line + "\r\n")


if __name__ == "__main__":
    main()
