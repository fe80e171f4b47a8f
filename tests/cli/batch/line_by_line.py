#!/usr/bin/env python3
"""A program feeding `batch --line-buffered` one line at a time reads each answer before it
sends the next. Usage: line_by_line.py TARVEL_CLI"""
import json
import os
import select
import subprocess
import sys

LINE = b'{"date": "1980-03-05", "time": "14:07", "zone": 34, "lat": "18:58N", "lon": "72:49E"}\n'
child = subprocess.Popen([sys.argv[1], "batch", "--line-buffered", "--jobs", "2"],
                         stdin=subprocess.PIPE, stdout=subprocess.PIPE, bufsize=0)
try:
    for number, line in enumerate([LINE, b"\n", LINE], 1):
        child.stdin.write(line)
        answer = b""
        while not answer.endswith(b"\n"):
            # Well within ctest's timeout, so a batch waiting for more input fails, not hangs.
            assert select.select([child.stdout], [], [], 20)[0], "no answer to line %d" % number
            answer += os.read(child.stdout.fileno(), 1 << 16)
        got = json.loads(answer)
        assert got.get("line", number) == number and ("error" in got) == (number == 2), got
finally:
    child.kill()
print("every line answered before the next was sent")
