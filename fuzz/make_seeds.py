#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus from the
example project and a few generated "EFFAL" and "LSZD" files."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PROJECT = os.path.join(HERE, "..", "examples", "project")
OUT = os.path.join(HERE, "corpus")


def example(name):
    with open(os.path.join(PROJECT, name), "rb") as f:
        return f.read()


def put(target, name, data):
    os.makedirs(os.path.join(OUT, target), exist_ok=True)
    with open(os.path.join(OUT, target, name), "wb") as f:
        f.write(data)


def u16(n):
    return struct.pack("<H", n)


# Structure kind -> the result file and its "_N" companion (None: unpaired).
KINDS = {1: ("CHKLS", None), 2: ("CHKCM", None), 3: ("CHKPT", "CHKPT_N"), 5: ("CHKGS", "CHKGS_N"),
         6: ("CHKST", "CHKST_N"), 7: ("CHKAL", None), 8: ("CHKHB", "CHKHB_N"), 11: ("CHKCT", None)}

for kind, (plain, companion) in KINDS.items():
    try:
        p = example("example." + plain)
    except FileNotFoundError:
        continue
    c = example("example." + companion) if companion else b""
    put("element_files", plain, bytes([kind]) + u16(len(p)) + p + c)
    put("record_round_trip", plain, p[4:])
    if c:
        put("record_round_trip", companion, c[4:])

wt, cw = example("example.CHKWT"), example("example.CHKCW")
put("walls_edges", "example", u16(len(wt)) + u16(len(cw)) + wt + cw + example("example.Edge"))


def eff_entry(ele, counts, flag=1):
    body = bytes([flag])
    for k, n in enumerate(counts):
        body += struct.pack("<i", n)
        for i in range(n):
            body += struct.pack("<5d", *(ele + k + i * 0.5 + v for v in range(5)))
    return struct.pack("<ii", ele, len(body)) + body


put("eff_area", "two", struct.pack("<i", 2) + eff_entry(3, [1, 0, 2, 0, 0]) + eff_entry(9, [0, 0, 0, 0, 1]))
put("eff_area", "empty_lists", struct.pack("<i", 1) + eff_entry(1, [0] * 5, 0))
header = struct.pack("<iddidiid", 2, 1.25, 2.25, 3, 4.25, 5, 6, 7.25)
put("lszd", "header", header)
put("lszd", "with_entries", header + struct.pack("<id", 99, 9.5) * 2)
put("purlin", "roof", bytes([1]) + u16(128) + example("example.Dlg_DesWLT") + example("example.PCR"))
put("purlin", "wall", bytes([2]) + u16(112) + example("example_wall.Dlg_DesQLT") + example("example_wall.PCR"))
sys.exit(0)
