#!/usr/bin/env python3
"""Writes a RAR 4 archive by hand (rar 7 writes only RAR 5): stored entries, built
from the published RAR 1.5-4 block layout. Usage: make-rar4.py OUT.rar"""
import struct
import sys
import zlib

DOS_TIME = (20 << 25) | (1 << 21) | (1 << 16)  # 2000-01-01 00:00:00


def block(head_type, flags, body):
    """A block: CRC16 (low half of the CRC32 of everything after it), type, flags, size."""
    rest = struct.pack("<BHH", head_type, flags, 7 + len(body)) + body
    return struct.pack("<H", zlib.crc32(rest) & 0xFFFF) + rest


def file_block(name, data, folder=False):
    name = name.encode("ascii")
    flags = 0x8000  # LONG_BLOCK: a data area follows the header
    attr = 0x20  # Windows "archive" attribute
    if folder:
        flags |= 0x00E0  # dictionary bits all set: a folder
        attr = 0x10
    body = struct.pack("<IIBIIBBHI", len(data), len(data), 2,  # packed, unpacked, Win32
                       zlib.crc32(data), DOS_TIME, 20, 0x30,  # version 2.0, stored
                       len(name), attr) + name
    return block(0x74, flags, body) + data


def main():
    archive = b"Rar!\x1a\x07\x00"                          # marker
    archive += block(0x73, 0, struct.pack("<HI", 0, 0))   # main archive header
    archive += file_block("docs", b"", folder=True)
    archive += file_block("docs\\rar4.txt", b"stored in a RAR 4 archive\n")
    archive += file_block("top.txt", b"top\n")
    archive += block(0x7B, 0x4000, b"")                   # end of archive
    with open(sys.argv[1], "wb") as out:
        out.write(archive)


main()
