#!/usr/bin/python3
"""Recomputes the lookalike colour pairs with colorspacious and compares them with the program's.

Usage: lookalike_pairs.py SOURCE_DIR. Reads the RGB values from engine/colourtable.h and the
pairs and threshold from engine/lookalike.h, simulates each colour with Machado, Oliveira and
Fernandes (2009) at full severity, and measures CAM02-UCS distances. Exits 1 on any difference.
"""
import itertools
import re
import sys
from pathlib import Path

import numpy as np
from colorspacious import cspace_convert

DEFICIENCIES = {"Protanopia": "protanomaly", "Deuteranopia": "deuteranomaly",
                "Tritanopia": "tritanomaly"}


def program_tables(source):
    table = (source / "engine/colourtable.h").read_text(encoding="utf-8")
    rows = re.findall(r'\{(\d+), "(\w+)", "[^"]*", "[^"]*",.*\{(\d+), (\d+), (\d+)\}\},', table)
    colours = {int(c): (name, np.array([int(r), int(g), int(b)]) / 255.0)
               for c, name, r, g, b in rows}
    pairs_text = (source / "engine/lookalike.h").read_text(encoding="utf-8")
    threshold = float(re.search(r"LookalikeThreshold = ([\d.]+);", pairs_text).group(1))
    pairs = {(int(a), int(b), d): float(dist) for a, b, d, dist in re.findall(
        r"\{(\d+), (\d+), Deficiency::(\w+), ([\d.]+)\}", pairs_text)}
    return colours, threshold, pairs


def distance(one, other, cvd_type=None):
    def seen(rgb):
        if cvd_type:
            rgb = cspace_convert(rgb, {"name": "sRGB1+CVD", "cvd_type": cvd_type,
                                       "severity": 100}, "sRGB1")
        return cspace_convert(rgb, "sRGB1", "CAM02-UCS")
    return float(np.linalg.norm(seen(one) - seen(other)))


def main():
    colours, threshold, pairs = program_tables(Path(sys.argv[1]))
    faults = []
    if len(colours) != 12 or not pairs:
        faults.append(f"read {len(colours)} colours and {len(pairs)} pairs from the sources")
    computed = {}
    normal = min(distance(colours[a][1], colours[b][1])
                 for a, b in itertools.combinations(colours, 2))
    for (a, b), (name, cvd) in itertools.product(itertools.combinations(sorted(colours), 2),
                                                 DEFICIENCIES.items()):
        d = distance(colours[a][1], colours[b][1], cvd)
        if d < threshold:
            computed[(a, b, name)] = d
    for key in sorted(set(computed) | set(pairs)):
        what = f"{colours[key[0]][0]}/{colours[key[1]][0]} {key[2]}"
        if key not in pairs:
            faults.append(f"missing from the program: {what} {computed[key]:.2f}")
        elif key not in computed:
            faults.append(f"not closer than {threshold}: {what}")
        elif abs(pairs[key] - computed[key]) > 0.005 + 1e-9:
            faults.append(f"{what}: the program says {pairs[key]}, computed {computed[key]:.4f}")
        else:
            print(f"{what}: {computed[key]:.2f}")
    # No pair may count with normal vision.
    if normal < threshold:
        faults.append(f"normal vision puts two colours {normal:.2f} apart, under {threshold}")
    print(f"nearest pair with normal vision: {normal:.2f}")
    for fault in faults:
        print("FAIL:", fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
