#!/usr/bin/env python3
"""Writes the object files of the example robot rig (examples/Objects).

Each layer is a small box with its own surface, so that the files open in
LightWave's Modeler and Layout as well as in qbhost.  The files are
committed; run this again (python3 examples/make_objects.py) only after
changing the table at the end.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def s0(text):
    data = text.encode("ascii") + b"\0"
    return data + b"\0" if len(data) % 2 else data


def chunk(chunk_id, data):
    pad = b"\0" if len(data) % 2 else b""
    return chunk_id + struct.pack(">I", len(data)) + data + pad


def subchunk(chunk_id, data):
    return chunk_id + struct.pack(">H", len(data)) + data


def box(center, size):
    cx, cy, cz = center
    sx, sy, sz = (s / 2.0 for s in size)
    corners = [(cx + dx * sx, cy + dy * sy, cz + dz * sz)
               for dx in (-1, 1) for dy in (-1, 1) for dz in (-1, 1)]
    # Corner index bits: x 4, y 2, z 1; faces wound clockwise seen from outside.
    faces = [(0, 1, 3, 2), (4, 6, 7, 5), (0, 4, 5, 1), (2, 3, 7, 6), (0, 2, 6, 4), (1, 5, 7, 3)]
    return corners, faces


def layer_chunks(number, name, parent, shape, tag):
    corners, faces = shape
    layr = struct.pack(">HHfff", number, 0, 0.0, 0.0, 0.0) + s0(name)
    if parent is not None:
        layr += struct.pack(">H", parent)
    pnts = b"".join(struct.pack(">fff", *p) for p in corners)
    low = [min(p[i] for p in corners) for i in range(3)]
    high = [max(p[i] for p in corners) for i in range(3)]
    pols = b"FACE" + b"".join(struct.pack(">H", len(f)) + b"".join(struct.pack(">H", v) for v in f)
                              for f in faces)
    ptag = b"SURF" + b"".join(struct.pack(">HH", i, tag) for i in range(len(faces)))
    return (chunk(b"LAYR", layr) + chunk(b"PNTS", pnts) + chunk(b"BBOX", struct.pack(">6f", *low, *high)) +
            chunk(b"POLS", pols) + chunk(b"PTAG", ptag))


def surface(name, rgb):
    data = s0(name) + s0("")
    data += subchunk(b"COLR", struct.pack(">fffH", *rgb, 0))
    data += subchunk(b"DIFF", struct.pack(">fH", 1.0, 0))
    return chunk(b"SURF", data)


def lwo(layers):
    """layers: (number, name, parent, shape, surface name, colour)."""
    names = []
    for layer in layers:
        if layer[4] not in names:
            names.append(layer[4])
    body = b"LWO2" + chunk(b"TAGS", b"".join(s0(n) for n in names))
    for number, name, parent, shape, surf, _ in layers:
        body += layer_chunks(number, name, parent, shape, names.index(surf))
    done = set()
    for _, _, _, _, surf, rgb in layers:
        if surf not in done:
            body += surface(surf, rgb)
            done.add(surf)
    return b"FORM" + struct.pack(">I", len(body)) + body


GREY = (0.6, 0.6, 0.65)
STEEL = (0.35, 0.38, 0.45)
FILES = {
    # Loaded twice by the scene: layer 1 is "Robot:Body", layer 2 "Robot:Head".
    "Objects/Robot.lwo": lwo([
        (0, "Body", None, box((0.0, 1.0, 0.0), (0.8, 1.2, 0.5)), "Robot_Skin", GREY),
        (1, "Head", 0, box((0.0, 1.85, 0.0), (0.4, 0.4, 0.4)), "Robot_Skin", GREY),
    ]),
    # The same layers in armour: what the object replacer swaps in.
    "Objects/Robot_Armored.lwo": lwo([
        (0, "Body", None, box((0.0, 1.0, 0.0), (0.9, 1.3, 0.6)), "Armor", STEEL),
        (1, "Head", 0, box((0.0, 1.9, 0.0), (0.45, 0.45, 0.45)), "Armor", STEEL),
    ]),
}


def main():
    for relative, data in FILES.items():
        path = os.path.join(HERE, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)
        print(f"{relative}: {len(data)} bytes")


if __name__ == "__main__":
    main()
