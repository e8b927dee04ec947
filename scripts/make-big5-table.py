#!/usr/bin/env python3
"""Builds the GB2312-to-Big5 conversion table, resources/table/CUSTOM/102.

Layout (16544 bytes): 88 rows of 94 cells of two bytes (Big5 lead, trail).
Row q holds GB2312 lead byte A1+q for q = 0..8 and B0+(q-9) for q = 9..87;
cell p is the GB2312 trail byte A1+p.

Each GB2312 character maps to the Big5 code of its traditional form (the
first candidate of OpenCC's simplified-to-traditional character table); when
Big5 lacks the traditional form, to the Big5 code of the character itself;
when Big5 lacks that too, and for positions that hold no GB2312 character, to
the full-width space A1 40.

The C library's iconv does the GB2312 and Big5 coding, the same converter the
program decodes with; a Big5 code is used only when it decodes back to the
character it stands for, so every cell displays as intended.

Usage: make-big5-table.py [--st STCharacters.txt] [--out PATH]
Without --st the table is dumped from the installed STCharacters.ocd2 with
opencc_dict.
"""

import argparse
import ctypes
import ctypes.util
import os
import subprocess
import sys
import tempfile

FALLBACK = b"\xa1\x40"
LEAD_BYTES = list(range(0xA1, 0xAA)) + list(range(0xB0, 0xFF))
TRAIL_BYTES = list(range(0xA1, 0xFF))
TABLE_SIZE = 88 * 94 * 2
DEFAULT_OCD2 = "/usr/share/opencc/STCharacters.ocd2"


class Iconv:
    """One iconv descriptor used for whole, single-character conversions."""

    def __init__(self, to_code, from_code):
        libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
        self._open = libc.iconv_open
        self._open.restype = ctypes.c_void_p
        self._open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        self._iconv = libc.iconv
        self._iconv.restype = ctypes.c_size_t
        self._iconv.argtypes = [ctypes.c_void_p,
                                ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t),
                                ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t)]
        self._close = libc.iconv_close
        self._close.argtypes = [ctypes.c_void_p]
        self._cd = self._open(to_code.encode(), from_code.encode())
        if self._cd in (None, ctypes.c_void_p(-1).value):
            raise OSError(f"iconv_open({to_code}, {from_code}) failed")

    def convert(self, data):
        """Returns the converted bytes, or None when any part does not convert."""
        self._iconv(self._cd, None, None, None, None)  # reset shift state
        in_buf = ctypes.create_string_buffer(data, len(data))
        out_buf = ctypes.create_string_buffer(64)
        in_ptr = ctypes.c_char_p(ctypes.addressof(in_buf))
        out_ptr = ctypes.c_char_p(ctypes.addressof(out_buf))
        in_left = ctypes.c_size_t(len(data))
        out_left = ctypes.c_size_t(64)
        rc = self._iconv(self._cd, ctypes.byref(in_ptr), ctypes.byref(in_left),
                         ctypes.byref(out_ptr), ctypes.byref(out_left))
        if rc == ctypes.c_size_t(-1).value or in_left.value != 0:
            return None
        return out_buf.raw[:64 - out_left.value]

    def __del__(self):
        if getattr(self, "_cd", None):
            self._close(self._cd)


def read_st_table(path):
    """Simplified character -> first traditional candidate."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) < 2 or len(parts[0]) != 1:
                continue
            candidates = parts[1].split(" ")
            if candidates and candidates[0]:
                table[parts[0]] = candidates[0]
    return table


def dump_ocd2(ocd2, target):
    subprocess.run(["opencc_dict", "-i", ocd2, "-o", target, "-f", "ocd2", "-t", "text"],
                   check=True)


def build_table(st):
    gb_to_utf8 = Iconv("UTF-8", "GB2312")
    utf8_to_big5 = Iconv("BIG5", "UTF-8")
    big5_to_utf8 = Iconv("UTF-8", "BIG5")

    def big5_of(char):
        # Only a code that decodes back to the same character counts: the
        # encoder also takes some look-alikes one way (U+2248 to A1 DC, which
        # decodes as U+2252), and the program shows what the decoder gives.
        code = utf8_to_big5.convert(char.encode("utf-8"))
        if code is None or len(code) != 2:
            return None
        back = big5_to_utf8.convert(code)
        return code if back == char.encode("utf-8") else None

    out = bytearray()
    for lead in LEAD_BYTES:
        for trail in TRAIL_BYTES:
            raw = gb_to_utf8.convert(bytes([lead, trail]))
            cell = FALLBACK
            if raw is not None:
                char = raw.decode("utf-8")
                if len(char) == 1:
                    traditional = st.get(char, char)
                    cell = (big5_of(traditional) if len(traditional) == 1 else None) \
                        or big5_of(char) or FALLBACK
            out += cell
    assert len(out) == TABLE_SIZE
    return bytes(out)


SAMPLES = {
    (0xA1, 0xA1): b"\xa1\x40", (0xA1, 0xA2): b"\xa1\x42", (0xB0, 0xA1): b"\xb0\xda",
    (0xD6, 0xD0): b"\xa4\xa4", (0xCE, 0xC4): b"\xa4\xe5", (0xD3, 0xE3): b"\xb3\xbd",
    (0xB5, 0xE7): b"\xb9\x71", (0xF7, 0xFE): b"\xa1\x40",
}


def cell(table, lead, trail):
    q = LEAD_BYTES.index(lead)
    p = trail - 0xA1
    at = (q * 94 + p) * 2
    return table[at:at + 2]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--st", help="OpenCC STCharacters.txt (text form)")
    parser.add_argument("--out", default=os.path.join(here, "..", "resources", "table", "CUSTOM", "102"))
    args = parser.parse_args()

    if args.st:
        st = read_st_table(args.st)
    else:
        with tempfile.TemporaryDirectory() as tmp:
            text = os.path.join(tmp, "STCharacters.txt")
            dump_ocd2(DEFAULT_OCD2, text)
            st = read_st_table(text)

    table = build_table(st)
    for (lead, trail), want in SAMPLES.items():
        got = cell(table, lead, trail)
        if got != want:
            sys.exit(f"cell {lead:02X}{trail:02X} is {got.hex().upper()}, expected {want.hex().upper()}")

    with open(args.out, "wb") as f:
        f.write(table)
    print(f"wrote {args.out} ({len(table)} bytes)")


if __name__ == "__main__":
    main()
