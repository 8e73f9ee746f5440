#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets, one readable name a case.

The registry inputs follow the layout that fuzz/registry_input.h reads; the
PNG decoder's are the program's own small images, an icon and a bitmap.
Run from anywhere; the seeds go beside this script.
"""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent

PATH, FOLDER = 0x01, 0x02
PATH_REFUSED, FOLDER_REFUSED = 0x04, 0x08
SIZES, TOOL_IN_FOLDER, STARTS = 0x10, 0x20, 0x40
SZ, EXPAND_SZ, BINARY, DWORD, MULTI_SZ, NONE = 1, 2, 3, 4, 7, 0

TOOL = b"C:\\Program Files\\Common Files\\MSINFO\\MSINFO32.EXE"
FOLDER_TEXT = b"C:\\Program Files\\Common Files\\MSINFO"


def value(kind, data, reported=None):
    head = struct.pack("<I", kind)
    if reported is not None:
        head += struct.pack("<I", reported)
    return head + struct.pack("<H", len(data)) + data


def registry(flags, *values):
    return bytes([flags]) + b"".join(values)


REGISTRY = {
    "nothing-stored": registry(STARTS),
    "path-text-with-zero": registry(PATH | STARTS, value(SZ, TOOL + b"\0")),
    "path-text-without-zero": registry(PATH | STARTS, value(SZ, TOOL)),
    "path-text-start-fails": registry(PATH, value(SZ, TOOL + b"\0")),
    "path-text-1023-and-zero": registry(PATH | STARTS, value(SZ, b"A" * 1023 + b"\0")),
    "path-text-1024-without-zero": registry(PATH | STARTS, value(SZ, b"B" * 1024)),
    "path-text-1024-and-zero": registry(PATH | STARTS, value(SZ, b"C" * 1024 + b"\0")),
    "path-text-2000-bytes": registry(PATH | STARTS, value(SZ, b"D" * 2000)),
    "path-no-bytes": registry(PATH | STARTS, value(SZ, b"")),
    "path-only-zero": registry(PATH | STARTS, value(SZ, b"\0")),
    "path-zero-inside": registry(PATH | STARTS, value(SZ, b"/usr/bin/hardinfo\0 --x\0")),
    "path-two-zeros": registry(PATH | STARTS, value(SZ, TOOL + b"\0\0")),
    "path-high-bytes": registry(PATH | STARTS, value(SZ, bytes(range(0x80, 0x100)) + b"\0")),
    "path-posix-absolute": registry(PATH | STARTS, value(SZ, b"/usr/bin/hardinfo\0")),
    "path-relative": registry(PATH | STARTS, value(SZ, b"tool.exe\0")),
    "path-shell-words": registry(PATH | STARTS, value(SZ, b"/bin/sh -c 'echo; rm x' | cat\0")),
    "path-dword-10010000": registry(PATH | STARTS, value(DWORD, b"\x10\x01\x00\x00")),
    "path-dword-zero": registry(PATH | STARTS, value(DWORD, b"\0\0\0\0")),
    "path-dword-ffffffff": registry(PATH | STARTS, value(DWORD, b"\xff\xff\xff\xff")),
    "path-dword-one-byte": registry(PATH | STARTS, value(DWORD, b"\x7f")),
    "path-dword-1024-bytes": registry(PATH | STARTS, value(DWORD, bytes(range(256)) * 4)),
    "path-expandable-text": registry(PATH | STARTS, value(EXPAND_SZ, b"%SystemRoot%\\x.exe\0")),
    "path-binary": registry(PATH | STARTS, value(BINARY, b"\x01\x02\x03")),
    "path-multi-text": registry(PATH | STARTS, value(MULTI_SZ, b"a\0b\0\0")),
    "path-type-none": registry(PATH | STARTS, value(NONE, b"x")),
    "path-type-huge": registry(PATH | STARTS, value(0xFFFFFFFF, TOOL + b"\0")),
    "path-key-refused": registry(PATH | PATH_REFUSED | STARTS, value(SZ, TOOL + b"\0")),
    "folder-tool-present": registry(FOLDER | TOOL_IN_FOLDER | STARTS,
                                    value(SZ, FOLDER_TEXT + b"\0")),
    "folder-tool-absent": registry(FOLDER | STARTS, value(SZ, FOLDER_TEXT + b"\0")),
    "folder-posix-real": registry(FOLDER | STARTS, value(SZ, b"/usr/bin\0")),
    "folder-dword": registry(FOLDER | TOOL_IN_FOLDER | STARTS, value(DWORD, b"\x01\0\0\0")),
    "folder-other-type": registry(FOLDER | TOOL_IN_FOLDER | STARTS, value(BINARY, b"\x01")),
    "folder-no-bytes": registry(FOLDER | TOOL_IN_FOLDER | STARTS, value(SZ, b"")),
    "folder-key-refused": registry(FOLDER | FOLDER_REFUSED | TOOL_IN_FOLDER | STARTS,
                                   value(SZ, FOLDER_TEXT + b"\0")),
    "both-stored": registry(PATH | FOLDER | TOOL_IN_FOLDER | STARTS,
                            value(SZ, TOOL + b"\0"), value(SZ, FOLDER_TEXT + b"\0")),
    "both-refused": registry(PATH | FOLDER | PATH_REFUSED | FOLDER_REFUSED | STARTS,
                             value(SZ, TOOL + b"\0"), value(SZ, FOLDER_TEXT + b"\0")),
    "path-expandable-then-folder": registry(PATH | FOLDER | TOOL_IN_FOLDER | STARTS,
                                            value(EXPAND_SZ, b"x\0"),
                                            value(SZ, FOLDER_TEXT + b"\0")),
    "reported-size-zero": registry(PATH | SIZES | STARTS, value(SZ, TOOL + b"\0", 0)),
    "reported-size-short": registry(PATH | SIZES | STARTS, value(SZ, TOOL + b"\0", 5)),
    "reported-size-1024": registry(PATH | SIZES | STARTS, value(SZ, b"/x\0", 1024)),
    "reported-size-1025": registry(PATH | SIZES | STARTS, value(SZ, TOOL + b"\0", 1025)),
    "reported-size-huge": registry(PATH | FOLDER | SIZES | STARTS,
                                   value(SZ, TOOL + b"\0", 0xFFFFFFFF),
                                   value(DWORD, b"\1\0\0\0", 0x80000000)),
}

CAPTION = {
    "zero": b"0",
    "score": b"100",
    "negative": b"-40",
    "blanks-around": b" 42 ",
    "tabs-around": b"\t7\t",
    "plus-sign": b"+5",
    "minus-zero": b"-0",
    "fifteen-digits": b"999999999999999",
    "sixteen-digits": b"9007199254740993",
    "leading-zeros": b"0000000000000000000001",
    "exponent": b"1e3",
    "exponent-capital-sign": b"1E+3",
    "fraction": b"1.5",
    "fraction-half-even": b"2.5",
    "point-first": b".5",
    "point-last": b"5.",
    "largest-double": b"1.7976931348623157e308",
    "smallest-double": b"4.9e-324",
    "overflow": b"1e400",
    "overflow-negative": b"-1e400",
    "underflow": b"1e-400",
    "underflow-by-point": b"0." + b"0" * 400 + b"1",
    "overflow-after-point": b"0.0001e99999999999999999999",
    "overflow-then-text": b"1e400x",
    "empty": b"",
    "blank": b" ",
    "word": b"abc",
    "infinity": b"inf",
    "not-a-number": b"nan",
    "minus-infinity": b"-infinity",
    "hexadecimal": b"0x10",
    "basic-hexadecimal": b"&h10",
    "thousands": b"1,000",
    "two-signs": b"+-1",
    "double-minus": b"--1",
    "exponent-without-digits": b"1e",
    "point-alone": b".",
    "minus-alone": b"-",
    "two-numbers": b"1 2",
    "line-break": b"5\n",
    "zero-byte-inside": b"1\x002",
    "arabic-digits": "\u0661\u0662".encode(),
    "eight-bytes-nan": b"\x00\x00\x00\x00\x00\x00\xf8\x7f",
    "eight-bytes-2-pow-53": struct.pack("<d", 2.0 ** 53),
    "eight-bytes-beyond-2-pow-53": struct.pack("<d", 2.0 ** 53 + 2),
}

PNG = {name: (HERE.parent.parent / "art" / "images" / f"{name}.png").read_bytes()
       for name in ("hole", "question", "bar1", "exit")}


def write(folder, seeds):
    target = HERE / folder
    target.mkdir(exist_ok=True)
    for name, data in seeds.items():
        (target / name).write_bytes(data)


write("registry_lookup", REGISTRY)
write("caption_number", CAPTION)
write("png_decoder", PNG)
