#!/usr/bin/env python3
"""Folders for timing `tessarin check` (docs/measurements.md).

    make_check_folders.py SAMPLE OUT

OUT/sample: the sample bank with the count file of each ready style, as the
program leaves them after running each style once. OUT/tenfold: the same with
every bank line written ten times in place (so the lines stay in book order
and every verse holds ten times its questions; the checker then names the
repeats), and count files to match.
"""
import os
import shutil
import sys

BANK_PREFIXES = ("Luke.", "LLLuke.", "FTV.", "LLFTV.", "cv.", "co.", "LLcv.", "LLco.")


def is_bank(name):
    return name.startswith(BANK_PREFIXES) or name in ("SIT.TXT", "llsit.txt")


def lines(path):
    with open(path, "rb") as f:
        return f.read().decode("ascii").replace("\r\n", "\n").rstrip("\n").split("\n")


def counts(path):
    n = {}
    for l in lines(path):
        key = (int(l[0:2]), int(l[3:5]))
        n[key] = n.get(key, 0) + 1
    return n


def write_count_files(folder):
    for style in ("Book20", "Ch1to8", "Quest30", "LSet"):
        s = lines(os.path.join(folder, style + ".spe"))
        lg, x, prim = s[0][:1], s[7][:1].upper(), int(s[24])
        pre = "LL" if lg == "L" else ""
        dd = "00" if prim == 100 else "%02d" % prim
        files = [pre + "Luke." + x, pre + "FTV." + dd, pre + ("cv.c" if x == "C" else "cv.b"),
                 pre + ("co.c" if x == "C" else "co.b"), "llsit.txt" if lg == "L" else "SIT.TXT"]
        tables = [counts(os.path.join(folder, f)) for f in files]
        out = []
        for c in range(1, 25):
            for v in range(1, 86):
                out.append(" ".join(str(k) for k in [c, v] + [t.get((c, v), 0) for t in tables]))
        with open(os.path.join(folder, pre + "count." + dd + x), "wb") as f:
            f.write(("\r\n".join(out) + "\r\n").encode())


def main():
    sample, out = sys.argv[1], sys.argv[2]
    for name, times in (("sample", 1), ("tenfold", 10)):
        folder = os.path.join(out, name)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for f in sorted(os.listdir(sample)):
            src = os.path.join(sample, f)
            if is_bank(f) and times > 1:
                with open(os.path.join(folder, f), "wb") as o:
                    o.write("".join((l + "\r\n") * times for l in lines(src)).encode())
            else:
                shutil.copy(src, folder)
        write_count_files(folder)


main()
