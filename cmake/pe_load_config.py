#!/usr/bin/env python3
"""Points a PE32+ file's load-configuration directory at its `_load_config_used` structure.

GNU ld (binutils 2.40) links the structure but leaves the header's directory entry empty, so
Windows would never read it. Usage: pe_load_config.py PROGRAM.exe NM
"""
import struct
import subprocess
import sys

LOAD_CONFIG_ENTRY = 10


def symbol_address(nm, image, name):
    listing = subprocess.run([nm, image], capture_output=True, text=True, check=True).stdout
    for line in listing.splitlines():
        fields = line.split()
        if len(fields) == 3 and fields[2] == name:
            return int(fields[0], 16)
    sys.exit(f"{image}: no symbol {name}")


def checksum(data, checksum_offset):
    """The PE checksum: 16-bit one's-complement sum of the file, its own field counted as 0,
    plus the file's length."""
    total = 0
    padded = bytes(data) + b"\0" * (len(data) % 2)
    for (word,) in struct.iter_unpack("<H", padded):
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    for (word,) in struct.iter_unpack("<H", bytes(data[checksum_offset:checksum_offset + 4])):
        total -= word
        if total < 0:
            total += 0xFFFF
    total = (total & 0xFFFF) + (total >> 16)
    return (total + len(data)) & 0xFFFFFFFF


def main():
    image, nm = sys.argv[1], sys.argv[2]
    data = bytearray(open(image, "rb").read())
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"{image}: not a PE file")
    optional = pe + 24
    if struct.unpack_from("<H", data, optional)[0] != 0x20B:
        sys.exit(f"{image}: not PE32+")
    image_base = struct.unpack_from("<Q", data, optional + 24)[0]
    rva = symbol_address(nm, image, "_load_config_used") - image_base

    sections = struct.unpack_from("<H", data, pe + 6)[0]
    table = optional + struct.unpack_from("<H", data, pe + 20)[0]
    offset = None
    for i in range(sections):
        virtual_size, virtual_address, raw_size, raw_offset = struct.unpack_from(
            "<IIII", data, table + 40 * i + 8)
        if virtual_address <= rva < virtual_address + min(virtual_size, raw_size):
            offset = raw_offset + rva - virtual_address
    if offset is None:
        sys.exit(f"{image}: _load_config_used lies in no section with file data")
    # The structure's first field is its own size, which is also the directory's size.
    size = struct.unpack_from("<I", data, offset)[0]

    struct.pack_into("<II", data, optional + 112 + 8 * LOAD_CONFIG_ENTRY, rva, size)
    checksum_offset = optional + 64
    struct.pack_into("<I", data, checksum_offset, checksum(data, checksum_offset))
    open(image, "wb").write(data)


if __name__ == "__main__":
    main()
