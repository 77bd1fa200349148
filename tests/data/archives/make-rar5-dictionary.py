#!/usr/bin/env python3
"""Writes a RAR 5 archive by hand whose one entry claims a 4 GiB dictionary, the
most the format can name: the decoder would reserve that much memory before it
reads a byte. Built from the published RAR 5 block layout. Usage:
make-rar5-dictionary.py OUT.rar"""
import struct
import sys
import zlib


def vint(n):
    """RAR 5 variable-length integer: 7 bits a byte, low bits first."""
    out = bytearray()
    while True:
        low = n & 0x7F
        n >>= 7
        out.append(low | (0x80 if n else 0))
        if not n:
            return bytes(out)


def block(body):
    """A header: CRC32 of everything after it, its size, then the body."""
    data = vint(len(body)) + body
    return struct.pack("<I", zlib.crc32(data)) + data


def main():
    data = bytes(range(32)) * 3  # not a valid stream: the dictionary comes first
    method, dictionary_bits = 3, 15  # 128 KiB << 15 = 4 GiB
    compression = (method << 7) | (dictionary_bits << 10)
    name = b"huge.bmp"
    file_header = (vint(2) + vint(0x2) + vint(len(data))  # file, with a data area
                   + vint(0) + vint(1 << 20) + vint(0o100644)  # no flags, size, mode
                   + vint(compression) + vint(1) + vint(len(name)) + name)  # Unix host
    archive = (b"Rar!\x1a\x07\x01\x00"
               + block(vint(1) + vint(0) + vint(0))  # main archive header
               + block(file_header) + data
               + block(vint(5) + vint(0) + vint(0)))  # end of archive
    with open(sys.argv[1], "wb") as out:
        out.write(archive)


main()
