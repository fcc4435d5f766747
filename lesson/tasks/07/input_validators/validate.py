#!/usr/bin/env python3
"""Input validator of task 7: exits 42 when the input is admissible."""
import re
import sys

INTEGER = re.compile(r"(0|-?[1-9][0-9]*)\Z")


def fail(why):
    print(why, file=sys.stderr)
    sys.exit(43)


def read_lines():
    data = sys.stdin.buffer.read()
    try:
        text = data.decode("ascii")
    except UnicodeDecodeError:
        fail("not ASCII")
    if not text.endswith("\n") or "\r" in text:
        fail("every line must end with LF")
    return text[:-1].split("\n")


def integers(line, count, low, high):
    words = line.split(" ")
    if count is not None and len(words) != count:
        fail("expected %d numbers: %r" % (count, line[:40]))
    values = []
    for w in words:
        if not INTEGER.match(w):
            fail("not an integer: %r" % w[:40])
        v = int(w)
        if not low <= v <= high:
            fail("out of range: %d" % v)
        values.append(v)
    return values


def printable(line, shortest, longest):
    if not shortest <= len(line) <= longest:
        fail("line length %d" % len(line))
    if any(not " " <= c <= "~" for c in line):
        fail("a character outside printable ASCII")


rows = read_lines()
if len(rows) != 2:
    fail("two lines expected")
integers(rows[0], 1, 0, 25)
printable(rows[1], 0, 200)
sys.exit(42)
