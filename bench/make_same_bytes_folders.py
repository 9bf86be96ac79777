#!/usr/bin/env python3
"""Folders on which two builds must write the same bytes (bench/same-bytes.sh).

    make_same_bytes_folders.py SAMPLE FIXTURES OUT

OUT/run/*: the sample with the style "heavy" (Book20 as the heavy run edits
it: the whole book, 30 questions, 135 quizzes, 5-10 specialties, IPC 40) in
each sectoring and layout, on the bank as it is and sixteen times over, and
in each layout with text beyond ASCII (UTF-8 in one set, Windows-1252 in the
other) in four bank files. OUT/check/*: the sample and tenfold folders of
make_check_folders.py, the sample with each fixture as its Luke bank file,
and copies of the sample with damaged bank lines. Every choice is seeded, so
the folders are the same each time.
"""
import os
import random
import shutil
import subprocess
import sys

# Style line: value, as bench/HeavyRun.h edits Book20 (line 5 is the layout, 12 the sectoring).
HEAVY = {6: "30", 9: "40", 10: "N", 11: "135", 13: "10", 14: "10", 15: "5", 16: "4", 18: "3", 20: "2",
         22: "2", 26: "28"}
DAMAGED_FILES = ["Luke.A", "Luke.B", "FTV.00", "cv.b", "co.b", "SIT.TXT", "LLLuke.A"]
ODD_TEXT = [b" ", b"\t", b"\xe9", "é".encode(), "\u201c".encode(), b"\x93", b"\xef\xbb\xbf", b"\x00",
            b"\r", b"99", b"x" * 5000]
WIDE = {"utf8": ["é".encode(), "\u201cQuoted\u201d".encode(), "Ἰησοῦς".encode(), "—".encode()],
        "cp1252": [b"\xe9", b"\x93Quoted\x94", b"\x97", b"na\xefve"]}


def read_lines(path):
    with open(path, "rb") as f:
        return f.read().split(b"\n")


def write_lines(path, lines):
    with open(path, "wb") as f:
        f.write(b"\n".join(lines))


def heavy_style(folder, sectoring, layout):
    with open(os.path.join(folder, "Book20.spe"), "rb") as f:
        s = f.read().decode().split("\r\n")
    for i, v in {**HEAVY, 5: layout, 12: sectoring}.items():
        s[i] = v
    with open(os.path.join(folder, "heavy.spe"), "wb") as f:
        f.write("\r\n".join(s).encode())


def scale(folder, times):
    """Every bank line (one whose second byte is a digit) `times` times in place."""
    for name in os.listdir(folder):
        if name.endswith(".spe") or name in ("Specs.lst", "Verses.txt"):
            continue
        out = []
        for line in read_lines(os.path.join(folder, name)):
            out.extend([line] * (times if len(line) > 3 and line[1:2].isdigit() else 1))
        write_lines(os.path.join(folder, name), out)


def damage(folder, rnd):
    for name in rnd.sample(DAMAGED_FILES, rnd.randint(1, 4)):
        lines = read_lines(os.path.join(folder, name))
        for _ in range(rnd.randint(1, 60)):
            i = rnd.randrange(len(lines))
            line, op = lines[i], rnd.randrange(7)
            if op == 0:
                lines[i] = line[:rnd.randrange(len(line) + 1)]
            elif op == 1:
                j = rnd.randrange(len(line) + 1)
                lines[i] = line[:j] + rnd.choice(ODD_TEXT) + line[j:]
            elif op == 2:
                lines.insert(i, line)
            elif op == 3 and line:
                j = rnd.randrange(len(line))
                lines[i] = line[:j] + bytes([rnd.randrange(256)]) + line[j + 1:]
            elif op == 4:
                del lines[i]
            elif op == 5:
                lines.insert(i, b"")
            else:
                lines[i] = lines[rnd.randrange(len(lines))]
        write_lines(os.path.join(folder, name), lines)


def widen(folder, encoding):
    for name in ("Luke.A", "FTV.00", "SIT.TXT", "cv.b"):
        rnd = random.Random(name + encoding)
        lines = read_lines(os.path.join(folder, name))
        for i, line in enumerate(lines):
            if len(line) > 20 and rnd.random() < 0.4:
                j = rnd.randrange(12, len(line))
                lines[i] = line[:j] + rnd.choice(WIDE[encoding]) + line[j:]
        write_lines(os.path.join(folder, name), lines)


def main():
    sample, fixtures, out = sys.argv[1:4]
    shutil.rmtree(out, ignore_errors=True)
    for times in (1, 16):
        for sectoring in "VCQ":
            for layout in "PCT":
                folder = os.path.join(out, "run", f"{times}x-{sectoring}{layout}")
                shutil.copytree(sample, folder)
                if times > 1:
                    scale(folder, times)
                heavy_style(folder, sectoring, layout)
    for encoding in WIDE:
        for layout in "PCT":
            folder = os.path.join(out, "run", f"wide-{encoding}-V{layout}")
            shutil.copytree(sample, folder)
            heavy_style(folder, "V", layout)
            widen(folder, encoding)
    here = os.path.dirname(os.path.abspath(__file__))
    subprocess.run([sys.executable, os.path.join(here, "make_check_folders.py"), sample,
                    os.path.join(out, "check")], check=True)
    for name in sorted(os.listdir(fixtures)):
        folder = os.path.join(out, "check", "fixture-" + name)
        shutil.copytree(sample, folder)
        shutil.copy(os.path.join(fixtures, name), os.path.join(folder, "Luke" + os.path.splitext(name)[1]))
    rnd = random.Random(20261210)
    for n in range(90):
        folder = os.path.join(out, "check", f"damaged{n:02d}")
        shutil.copytree(sample, folder)
        damage(folder, rnd)


main()
