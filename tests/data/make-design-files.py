#!/usr/bin/env python3
"""Writes the binary sample designs of this folder (format version 2311).

Run it from this folder; the designs are invented for the tests.
"""
import math
import struct


def word(v):
    return struct.pack("<h", v)


def string(s):
    b = s.encode("cp1252")
    return word(len(b)) + b


def strings(items):
    return word(len(items)) + b"".join(string(s) for s in items)


def real6(v):
    if v == 0:
        return bytes(6)
    m, e = math.frexp(abs(v))
    fraction = round((m * 2 - 1) * 2**39)
    out = bytearray([e - 1 + 129]) + fraction.to_bytes(5, "little")
    if v < 0:
        out[5] |= 0x80
    return bytes(out)


START = [0, 6, 18, 30, 42, 54, 66, 72]  # table entry of each location's slot 1


def fixed_items(flags, actuators):
    """The fixed items a design file holds in its slot table, as the designer lays them:
    cockpit, sensors and life support, engine and gyro, and every actuator."""
    clan = (flags >> 6) & 3 == 2
    quad = flags & 16
    laid = [(0, 1, 5), (0, 2, 4), (0, 3, 1), (0, 5, 4), (0, 6, 5)]
    laid += [(1, s, 7 if 4 <= s <= 7 else 6) for s in range(1, 11)]
    if flags & 4:  # XL engine: its side-torso slots
        laid += [(loc, s, 6) for loc in (2, 3) for s in range(1, (2 if clan else 3) + 1)]
    for arm, lower_bits, hand_bits in ((4, 0, 2), (5, 4, 6)):
        laid += [(arm, 1, 8), (arm, 2, 9)]
        if quad or (actuators >> lower_bits) & 3:
            laid.append((arm, 3, 10))
        if quad or (actuators >> hand_bits) & 3:
            laid.append((arm, 4, 11))
    laid += [(leg, s, 11 + s) for leg in (6, 7) for s in range(1, 5)]
    return [(location, slot, code, -1) for location, slot, code in laid]


def config(items, slots, actuators=0x55, cases=0, flags=0):
    """items: (file number, location code, slots, tons); slots: (location, slot, code, item index);
    flags: the design's flags byte, for its fixed items."""
    out = bytes([actuators, cases, len(items)])
    for number, location, count, tons in items:
        out += word(number) + word(location) + word(count) + real6(tons)
    table = [(0, -1)] * 78
    for location, slot, code, index in fixed_items(flags, actuators) + slots:
        assert table[START[location] + slot - 1][0] == 0, (location, slot)
        table[START[location] + slot - 1] = (code, index)
    return out + b"".join(word(c) + word(i) for c, i in table)


def design(texts, makers, armament, flags, source, sinks, tons, walk, jump, armor_mass, armor, configs, overview):
    out = word(2311) + b"".join(string(t) for t in texts) + strings(makers) + strings(armament)
    out += bytes([flags, source, sinks, tons, walk, jump]) + real6(armor_mass) + bytes(armor)
    return out + b"".join(configs) + strings(overview)


def run(location, first, count, code, index):
    return [(location, s, code, index) for s in range(first, first + count)]


# Inner Sphere Level 2, 40 tons, CASE, rear mount, ammunition, a split autocannon.
items = [(102, 4, 1, 0), (102, 10, 1, 0), (202, 2, 7, 0), (802, 3, 2, 2.0), (605, 1, 1, 0), (203, 5 | 16, 10, 0)]
slots = (run(4, 5, 1, 102, 0) + run(2, 8, 1, 102, 1) + run(2, 1, 7, 202, 2) + run(3, 1, 2, 802, 3)
         + run(1, 11, 1, 605, 4) + run(5, 5, 8, 203, 5) + run(3, 3, 2, 203, 5))
bk1 = design(["Brennock BK-1", "Cindral Frame", "Hollins 200", "", "Tessary Plate", "Vox 5", "Sightline 3"],
             ["Brennock Works"], ["Medium Laser: Orrin Mk1", "Autocannon/10: Halder"], 0x40, 3, 10, 65, 4, 0,
             8.0, [9, 12, 4, 10, 3, 8, 10], [config(items, slots, actuators=0x05, cases=0x10, flags=0x40)],
             ["A sturdy patroller of the border garrisons."])
open("brennock-bk1.TFI", "wb").write(bk1)

# Clan Omni, 45 tons, Endo Steel, XL, Ferro-Fibrous, eight blocks with pods in three.
VASHTI = 0x80 | 0x02 | 0x04 | 0x08 | 0x20
fixed = config([(751, 1, 4, 0), (756, 6, 2, 0), (755, 7, 2, 0)],
               run(1, 11, 2, 751, 0) + run(6, 5, 2, 756, 1) + run(7, 5, 2, 755, 2), flags=VASHTI)
prime = config([(150, 4, 1, 0), (150, 5, 1, 0), (452, 2, 1, 0), (1052, 2, 1, 1.0), (751, 3, 2, 0)],
               run(4, 5, 1, 150, 0) + run(5, 5, 1, 150, 1) + run(2, 3, 1, 452, 2) + run(2, 4, 1, 1052, 3)
               + run(3, 3, 2, 751, 4), cases=0x04, flags=VASHTI)
alt_a = config([(250, 2 | 16, 6, 0), (805, 3, 1, 1.0), (653, 3, 1, 1.0)],
               run(2, 3, 6, 250, 0) + run(3, 3, 1, 805, 1) + run(3, 4, 1, 653, 2), flags=VASHTI)
alt_b = config([(102, 4, 1, 0)], run(4, 5, 1, 102, 0), flags=VASHTI)  # an Inner Sphere laser: mixed technology
empty = config([], [], flags=VASHTI)
vashti = design(["Vashti Prime", "Gradient XV", "Hollins 225 XL", "", "Forged Plate Type 7", "Ferrin 3", "Ferrin 2"],
                ["Halvard Forge"], [], VASHTI, 7, 12, 45, 5, 0, 7.5,
                [9, 18, 6, 14, 4, 10, 14], [fixed, prime, alt_a, alt_b, empty, empty, empty, empty],
                ["An Omni frame of the Halvard clusters.", "Pods for every season."])
open("vashti-prime.TFC", "wb").write(vashti)

# A four-legged Inner Sphere Level 1 design.
quad = config([(102, 4, 1, 0), (102, 5, 1, 0), (203, 2, 10, 0), (803, 3, 1, 1.0)],
              run(4, 5, 1, 102, 0) + run(5, 5, 1, 102, 1) + run(2, 1, 10, 203, 2) + run(3, 1, 1, 803, 3),
              actuators=0x55, flags=0x10)
torvek = design(["Torvek TK-4Q", "Quadrant Mk2", "Orlan 240", "", "Shellward", "Vox 2", "Sightline 1"],
                [], ["Autocannon/20: Halder Heavy"], 0x00 | 0x10, 2, 10, 60, 4, 0, 11.5,
                [9, 26, 8, 20, 6, 20, 20], [quad], [])
open("torvek-tk4q.TFI", "wb").write(torvek)
