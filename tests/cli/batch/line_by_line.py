#!/usr/bin/env python3
"""A program that feeds `batch --line-buffered` one line and waits for its answer before it
sends the next gets every answer, in JSON lines and in CSV (whose header line is answered by
nothing). Usage: line_by_line.py TARVEL_CLI"""
import json
import os
import select
import subprocess
import sys

BIRTH = {"date": "1980-03-05", "time": "14:07", "zone": 34, "lat": "18:58N", "lon": "72:49E"}
# Long enough for a sanitized build's first chart; the ctest timeout stays above it.
WAIT_SECONDS = 20


def answer(child, pending):
    """The next output line; bytes read past it stay in `pending`."""
    while b"\n" not in pending:
        ready, _, _ = select.select([child.stdout], [], [], WAIT_SECONDS)
        assert ready, "no answer within %d s: the batch waits for more input" % WAIT_SECONDS
        more = os.read(child.stdout.fileno(), 65536)
        assert more, "the batch ended"
        pending += more
    line, _, rest = pending.partition(b"\n")
    pending[:] = rest
    # The CSV output's header comes before the first answer.
    return answer(child, pending) if line == b"line,name" else line.decode()


def converse(cli, options, header, lines, check):
    child = subprocess.Popen([cli, "batch", "--line-buffered", "--jobs", "2"] + options,
                             stdin=subprocess.PIPE, stdout=subprocess.PIPE, bufsize=0)
    pending = bytearray()
    try:
        if header:
            child.stdin.write(header.encode() + b"\n")
        for number, line in enumerate(lines, 2 if header else 1):
            child.stdin.write(line.encode() + b"\n")
            check(number, answer(child, pending))
        assert not pending, pending
        child.stdin.close()
        assert child.wait(WAIT_SECONDS) == 1, "a refused line makes the status 1"
    finally:
        child.kill()


def check_json(number, text):
    got = json.loads(text)
    if number == 2:
        assert got == {"line": 2, "error": "empty line"}, got
    else:
        assert got["ZoneRow"] == 34, got


def check_csv(number, text):
    assert text == ("3," if number == 3 else "%d,Asha" % number), (number, text)


def main():
    cli = sys.argv[1]
    line = json.dumps(BIRTH)
    converse(cli, [], None, [line, "", line, line], check_json)
    row = "1980-03-05,14:07,34,18:58N,72:49E,Asha"
    converse(cli, ["--output", "csv", "--fields", "name"], "date,time,zone,lat,lon,name",
             [row, "1980-13-05,14:07,34,18:58N,72:49E,Ravi", row], check_csv)
    print("every line answered before the next was sent")


main()
