#!/usr/bin/env python3
"""Writes utf7_cases.txt: UTF-7 cases produced by Python's 'utf-7' codec.

Each line: the text as UTF-16 code units (hex, space-separated), TAB,
Python's UTF-7 bytes (hex), TAB, the bytes our encoder writes (hex). The two
encoders differ only at the very end of a text that ends inside a base64
run: Python closes the run with "-", ours leaves it open (RFC 2152 allows
both). Run it again to regenerate; the output is deterministic.
"""
import random

DIRECT = set("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789'(),-./:?")
OPTIONAL = set('!"#$%&*;<=>@[]^_`{|}')
WHITE = set("\t\r\n ")


def encoded(c):
    return ord(c) > 127 or c not in DIRECT | OPTIONAL | WHITE


def ends_in_run(s):
    run = False
    for c in s:
        if encoded(c):
            if not run and c == "+":
                continue  # "+-", no run
            run = True
        else:
            run = False
    return run


def units(s):
    b = s.encode("utf-16-le")
    return " ".join("%02X%02X" % (b[i + 1], b[i]) for i in range(0, len(b), 2))


def cases():
    yield ""
    for code in range(0, 128):
        yield chr(code)
        yield "x" + chr(code) + "y"
        yield "\u00e4" + chr(code)
        yield chr(code) + "\u00e4"
    yield from [
        "A+B", "\u00a31", "Hi Mom -\u263a-!", "\u65e5\u672c\u8a9e", "A\u2262\u0391.",
        "Item 3 is \u00a31.", "~\\", "a\u00e4", "\u00e4a", "\u00e4-", "\u00e4 ", "\u00e4+", "++",
        "\U0001F600", "x\U0001F600y", "\ufeff", "\uffff", "\u0000\u0000",
    ]
    pool = (list("abcXYZ019 -+./!~\\\t\n") + ["\u00e4", "\u00df", "\u20ac", "\u0416", "\u4e2d", "\U0001F600"])
    rng = random.Random(2152)
    for _ in range(300):
        yield "".join(rng.choice(pool) for _ in range(rng.randint(1, 24)))


with open("utf7_cases.txt", "w") as out:
    for s in cases():
        py = s.encode("utf-7")
        ours = py[:-1] if ends_in_run(s) else py
        assert py[-1:] == b"-" or not ends_in_run(s)
        out.write("%s\t%s\t%s\n" % (units(s), py.hex().upper(), ours.hex().upper()))
