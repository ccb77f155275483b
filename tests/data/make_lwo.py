#!/usr/bin/env python3
"""Writes the small object files the replacement tests read.

Run from anywhere: python3 tests/data/make_lwo.py.  The files are committed;
run this again only after changing the table below.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def s0(text, encoding="cp932"):
    # Layer names as a Japanese system of the 2018 generation writes them:
    # Shift-JIS; the 2020 generation writes UTF-8.
    data = text.encode(encoding) + b"\0"
    return data + b"\0" if len(data) % 2 else data


def chunk(chunk_id, data):
    pad = b"\0" if len(data) % 2 else b""
    return chunk_id + struct.pack(">I", len(data)) + data + pad


def layer(number, name, parent=None, encoding="cp932"):
    data = struct.pack(">HHfff", number, 0, 0.0, 0.0, 0.0) + s0(name, encoding)
    if parent is not None:
        data += struct.pack(">H", parent)
    return chunk(b"LAYR", data)


def points(count):
    return chunk(b"PNTS", b"".join(struct.pack(">fff", i, 0.0, 0.0) for i in range(count)))


def lwo(layers, form_type=b"LWO2", encoding="cp932"):
    body = form_type + chunk(b"TAGS", s0("Default"))
    for number, name, parent in layers:
        body += layer(number, name, parent, encoding) + points(3)
    return b"FORM" + struct.pack(">I", len(body)) + body


FILES = {
    # Car:Wheel finds layer 1 of this file.
    "replace/car.lwo": lwo([(0, "Body", None), (1, "Wheel", 0)]),
    # Unnamed layers: the reader calls layer 2 "Layer3".
    "replace/parts.lwo": lwo([(0, "", None), (1, "Hub", None), (2, "", None)]),
    # One unnamed layer: Layer1.
    "replace/box.lwo": lwo([(0, "", None)]),
    # A parent and its two children, one layer each, in an LWO3 file.
    "replace/family.lwo": lwo([(0, "Parent", None), (1, "ChildA", 0), (2, "ChildB", 0)], b"LWO3"),
    # A directory with one object file among files that are not objects.
    "replace/mixed/wheels.lwo": lwo([(0, "Rim", None), (1, "Wheel", None)]),
    "replace/mixed/picture.png": b"\x89PNG\r\n\x1a\n" + b"\0" * 24,
    "replace/mixed/notes.txt": b"Wheel\n",
    "replace/mixed/empty.lwo": b"",
    "replace/mixed/not_lwo.lwo": b"FORM" + struct.pack(">I", 4) + b"ILBM",
    # Below the directory: never read, since the listing does not recurse.
    "replace/mixed/sub/deeper.lwo": lwo([(5, "Wheel", None)]),
    # Layers with Japanese names; ホ ends in 0x7A (z), ソ in 0x5C (\\).
    "replace/japanese.lwo": lwo([(0, "ボディ", None), (1, "ホイール", 0), (2, "ソ", 0)]),
    # UTF-8 layer names, in a file under a Japanese folder (paths and names of
    # the 2020 generation).
    "replace/日本語/車.lwo": lwo([(0, "ボディ", None), (1, "ホイール", 0), (2, "ソ", 0)], encoding="utf-8"),
    # A directory holding a single object file.
    "replace/solo/only.lwo": lwo([(0, "Wheel", None), (1, "Tyre", None)]),
}


def main():
    for name, data in FILES.items():
        path = os.path.join(HERE, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
