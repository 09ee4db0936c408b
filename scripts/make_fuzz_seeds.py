#!/usr/bin/env python3
"""Writes the fuzzers' seed inputs into tests/fuzz/corpus/<target>/ (run again after changing a seed here).

fuzz_payload_reader takes a container's plain payload after its check block (length field, header,
contents): the target encrypts it itself. fuzz_header_trailer takes plain headers and carriers.
"""
import os
import random

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "fuzz", "corpus")


def payload(entries):
    """Length field, header and contents of a container holding these (name, contents) files."""
    header = b"".join(name + b"?" + str(len(data)).encode() + b"?" for name, data in entries)
    return b"%010d" % len(header) + header + b"".join(data for _, data in entries)


def header_at_limit(limit=20480):
    """Entries of one byte each whose header is exactly `limit` bytes long; the last name fills the rest."""
    entries = []
    used = 0
    while limit - used > 40:
        name = b"file-%04d.txt" % len(entries)
        entries.append((name, b"x"))
        used += len(name) + 3
    entries.append((b"z" * (limit - used - 3), b"y"))
    return entries


def carrier(rng, length, appended):
    return bytes(rng.randrange(256) for _ in range(length + appended)) + b"%010d" % length


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def main():
    rng = random.Random(2026)
    piece = bytes(rng.randrange(256) for _ in range(8192))
    limit = header_at_limit()
    readers = {
        "empty-list": payload([]),
        "zero-byte-file": payload([(b"zero.txt", b"")]),
        "piece-file": payload([(b"piece.bin", piece)]),
        "header-at-limit": payload(limit),
        "two-files": payload([(b"a.txt", b"hello world!"), (b"b.doc", bytes(rng.randrange(256) for _ in range(700)))]),
        "refused-names": payload([(b"..", b"1"), (b"COM\xb9.txt", b"2"), (b"lpt0", b"3"), (b"ok.txt", b"4")]),
    }
    for name, data in readers.items():
        write("fuzz_payload_reader", name, data)
    headers = {
        "two-entries": b"a.txt?12?b.doc?70000?",
        "device-names": b"NUL?0?COM\xb2?1?LPT\xb3.doc?2?con .txt?3?",
        "unfinished": b"a?1?b?",
        "carrier": carrier(rng, 1234, 300),
        "carrier-beyond-end": b"0000009999",
    }
    for name, data in headers.items():
        write("fuzz_header_trailer", name, data)


if __name__ == "__main__":
    main()
