#!/usr/bin/env python3
"""Reads `batch --output csv` back with Python's csv module: for 1,000 births, every column
equals what the same batch writes as JSON, and every row, refused or not, one column or all,
is kept and carries its input line's number. Usage: csv_read_back.py TARVEL_CLI"""
import csv
import io
import json
import random
import subprocess
import sys

BODIES = ["sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "n_node", "s_node"]
PLANET_NAMES = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "N Node", "S Node"]
SIGNS = {"Ari": "Aries", "Tau": "Taurus", "Gem": "Gemini", "Can": "Cancer", "Leo": "Leo",
         "Vir": "Virgo", "Lib": "Libra", "Sco": "Scorpio", "Sag": "Sagittarius",
         "Cap": "Capricorn", "Aqu": "Aquarius", "Pis": "Pisces"}


def births(count):
    rng = random.Random(27)
    for i in range(count):
        birth = {"date": "%04d-%02d-%02d" % (rng.randint(1900, 2049), rng.randint(1, 12),
                                             rng.randint(1, 28)),
                 "time": "%02d:%02d" % (rng.randint(0, 23), rng.randint(0, 59)),
                 "name": rng.choice(["Asha Rao", "Ravi", "Anna"])}
        if i % 50 == 7:
            birth["place"] = rng.choice(["Mumbai, India", "London, United Kingdom", "Lima"])
        else:
            birth.update(zone=rng.randint(0, 70 if i % 40 else 80),
                         lat="%d:%02d%s" % (rng.randint(0, 66), rng.randint(0, 59), rng.choice("NS")),
                         lon="%d:%02d%s" % (rng.randint(0, 179), rng.randint(0, 59), rng.choice("EW")),
                         dst=rng.random() < 0.3, city=rng.choice(["", "Pune", "Rome"]),
                         country=rng.choice(["", "India", "United States"]))
        if i % 3 == 0:
            birth.update(sky="swiss", ayanamsa=rng.choice(["lahiri", "raman"]),
                         node=rng.choice(["mean", "true"]))
        yield json.dumps(birth)


def run(cli, args, text):
    done = subprocess.run([cli, "batch", "--jobs", "2"] + args, input=text.encode(),
                          stdout=subprocess.PIPE, check=False)
    return done.stdout.decode()


def degrees(whole, minutes, negative):
    value = whole + minutes / 60
    return -value if negative else value


def utc_offset(chart):
    # The offset the chart was computed with, daylight saving in, as the JSON's Instant says.
    seconds = chart["Instant"]["OffsetSeconds"]
    text = "%s%02d:%02d" % ("-" if seconds < 0 else "+", abs(seconds) // 3600,
                            abs(seconds) // 60 % 60)
    return text + (":%02d" % (abs(seconds) % 60) if seconds % 60 else "")


def expected_row(chart):
    birth = chart["BirthData"]
    place = chart["Place"]["Name"] if "Place" in chart else ", ".join(
        p for p in (birth["BirthCity"], birth["BirthState"], birth["BirthCountry"]) if p)
    row = {"name": birth["BirthName"], "place": place, "error": "",
           "date": "%04d-%02d-%02d" % (birth["BirthYear"], birth["BirthMonth"], birth["BirthDay"]),
           "time": "%02d:%02d:00" % (birth["BirthHour"], birth["BirthMinute"]),
           "latitude": degrees(birth["LatDeg"], birth["LatMin"], birth["IsSouth"] != 0),
           "longitude": degrees(birth["LonDeg"], birth["LonMin"], birth["IsEast"] == 0),
           "utc_offset": utc_offset(chart), "sky": chart["Sky"]["Name"],
           "ayanamsa": chart["Sky"]["Ayanamsa"], "node": chart["Sky"]["Node"],
           "ascendant_longitude": chart["Longitudes"]["Ascendant"],
           "ascendant_sign": SIGNS[chart["AscendantPosition"][-3:]], "ascendant_house": "1"}
    for i, body in enumerate(BODIES):
        row[body + "_longitude"] = chart["Longitudes"][PLANET_NAMES[i]]
        row[body + "_sign"] = SIGNS[chart["PlanetSigns"][i].split()[1]]
        row[body + "_house"] = chart["PlanetHouses"][i]
        for kind, entries in (("argala", chart["ArgalaList"]), ("virodhargala", chart["VirodhargalaList"])):
            row["%s_%s_received" % (body, kind)] = str(sum(
                1 for e in entries if e.split(" on ")[1].startswith(PLANET_NAMES[i] + " (")))
    return row


def main():
    cli = sys.argv[1]
    text = "".join(line + "\n" for line in births(1000))
    charts = [json.loads(line) for line in run(cli, [], text).splitlines()]
    rows = list(csv.DictReader(io.StringIO(run(cli, ["--output", "csv"], text), newline="")))
    assert len(rows) == len(charts) == 1000, (len(rows), len(charts))
    refused = 0
    for number, (chart, row) in enumerate(zip(charts, rows), 1):
        if "error" in chart:
            refused += 1
            assert row["error"] == chart["error"], (number, row["error"])
            assert not any(v for k, v in row.items() if k not in ("error", "line")), number
            continue
        for column, value in expected_row(chart).items():
            cell = row[column]
            same = float(cell) == value if isinstance(value, float) else cell == value
            assert same, "line %d, %s: %r where the JSON gives %r" % (number, column, cell, value)
    assert 0 < refused < 100, refused
    assert [row["line"] for row in rows] == [str(n) for n in range(1, 1001)]
    print("1000 CSV rows read back: every column as the JSON gives it (%d refused)" % refused)
    # One column, refused or empty, from CSV whose header is line 1: one row per input line.
    csv_in = "date,time,zone,lat,lon,name\n" + "".join(
        "1980-%s-05,14:07,34,18:58N,72:49E,%s\n" % row for row in (("13", "A"), ("03", "")))
    for fields, rows in (("name", [["2", ""], ["3", ""]]), ("line", [["2"], ["3"]])):
        read = list(csv.reader(io.StringIO(run(cli, ["--output", "csv", "--fields", fields],
                                               csv_in), newline="")))
        assert read == [["line", fields][:len(rows[0])]] + rows, read
    print("rows of one or two columns, refused or empty, read back one per input line")


main()
