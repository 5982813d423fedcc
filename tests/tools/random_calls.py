#!/usr/bin/env python3
"""Writes random calls of the control's nine methods as `sauramiti call --batch` lines.

The mix leans on the places where arithmetic goes wrong: 16-bit edges, the years around 1 and
9999, months and days just outside their ranges, weekday 0/8/9, separator and style codes outside
their enumerations, and doubles that are not finite, huge, negative zero or fractional. The same
seed always gives the same lines, so two builds can be compared by the answers they give:

    tests/tools/random_calls.py 100000 | OLD/sauramiti call --batch > old.txt
    tests/tools/random_calls.py 100000 | NEW/sauramiti call --batch > new.txt
    cmp old.txt new.txt
"""
import random
import sys

I16 = [-32768, -32767, -1, 0, 1, 32766, 32767, 32768, -32769, 65535]
YEARS = [1, 2, 1000, 1582, 1899, 1900, 1970, 2000, 2059, 2081, 2082, 2100, 9998, 9999, 10000]
ENUMS = [0, 1, 2, 3, 4, -1, 2147483647, -2147483648, 2147483648]
DOUBLES = ["nan", "inf", "-inf", "-0", "0", "1e308", "-1e308", "0.5", "1112209", "1112210",
           "1863913", "1863913.5", "1863912.999999", "2452378.5", "4797647", "4800000",
           "588465.5", "2299160.5", "2299161", "5373484.5", "1e15", "1e16"]


def pick(rng, typical, edges, wild=0.15):
    r = rng.random()
    if r < wild:
        return str(rng.choice(edges))
    if r < wild + 0.05:
        return str(rng.randint(-40000, 40000))
    if r < wild + 0.07:
        return rng.choice(["-", "x", "1.5", "", " 3"])
    return str(typical(rng))


def year(rng):
    return pick(rng, lambda r: r.choice([r.randint(1, 9999), r.randint(1950, 2150)]), YEARS + I16)


def month(rng):
    return pick(rng, lambda r: r.randint(1, 12), [0, 13, -1] + I16)


def day(rng):
    return pick(rng, lambda r: r.randint(1, 32), [0, 33, -1] + I16)


def weekday(rng):
    return pick(rng, lambda r: r.choice([9, 9, r.randint(0, 9)]), [0, 8, 9, 10, -1] + I16)


def enum(rng):
    return pick(rng, lambda r: r.randint(0, 3), ENUMS)


def style(rng):
    return pick(rng, lambda r: r.randint(0, 2), ENUMS)


def kali(rng):
    return rng.choice([
        lambda: rng.choice(DOUBLES),
        lambda: str(rng.randint(1112210, 4797647)),
        lambda: repr(rng.uniform(1112210, 4797647)),
        lambda: repr(rng.uniform(-1e6, 6e6)),
    ])()


def julian(rng):
    return rng.choice([
        lambda: rng.choice(DOUBLES),
        lambda: str(rng.randint(1700000, 5400000)) + ".5",
        lambda: repr(rng.uniform(0, 6e6)),
    ])()


def gregorian_year(rng):
    return pick(rng, lambda r: r.choice([r.randint(1, 9942), r.randint(1900, 2100)]), YEARS + I16)


METHODS = [
    ("English2NepaliDate", [gregorian_year, month, day], [enum]),
    ("GetFirstWeekDay", [year, month], []),
    ("GetDaysInMonth", [year, month, enum], []),
    ("GetWeekDay", [year, month, day], []),
    ("GetKaliAhargana", [year, month, day], [weekday]),
    ("Nepali2EnglishDate", [year, month, day], [weekday, enum, style]),
    ("GetJulianDate", [year, month, day], [weekday]),
    ("AharGana2NepaliDate", [kali], [enum]),
    ("JDate2EnglishDate", [julian], [enum, style]),
]


def line(rng):
    name, required, optional = rng.choice(METHODS)
    args = [f(rng) for f in required]
    for f in optional[: rng.randint(0, len(optional))]:
        args.append(f(rng))
    if rng.random() < 0.01:  # a wrong number of arguments
        args = args[:-1] if args and rng.random() < 0.5 else args + ["1"]
    return "\t".join([name] + args)


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else 2059
    rng = random.Random(seed)
    out = sys.stdout
    for _ in range(count):
        out.write(line(rng) + "\n")


if __name__ == "__main__":
    main()
