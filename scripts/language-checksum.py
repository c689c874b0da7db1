#!/usr/bin/env python3
"""Puts the right checksum on line 4 of Tarvik23 language files.

The checksum is 0xF6F9DFF7 minus the byte length of every line but the last
(line ends not counted), as eight upper-case hexadecimal digits. The files
stay Windows-1252 bytes with their line ends; only line 4 is replaced.
"""
import re
import sys


def fix(path):
    data = open(path, "rb").read()
    end = data.find(b"\0")
    if end >= 0:
        data = data[:end]
    # Keep each line's own end so the file is rewritten byte for byte.
    parts = re.split(rb"(\r\n|\r|\n)", data)
    lines, ends = parts[0::2], parts[1::2]
    if ends and lines[-1] == b"":
        lines.pop()
    if len(lines) < 5:
        sys.exit(f"{path}: fewer than five lines")
    lines[4] = b"XXXXXXXX"
    total = sum(len(line) for line in lines[:-1])
    lines[4] = b"%08X" % ((0xF6F9DFF7 - total) & 0xFFFFFFFF)
    out = b"".join(line + (ends[i] if i < len(ends) else b"") for i, line in enumerate(lines))
    open(path, "wb").write(out)
    print(f"{path}: {lines[4].decode()}")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit("usage: language-checksum.py FILE...")
    for name in sys.argv[1:]:
        fix(name)
