"""The root of an ISO 9660 image as Windows reads it: the Joliet tree's names, in the order the
image lists them."""
import struct

SECTOR = 2048
JOLIET_ESCAPES = (b"%/@", b"%/C", b"%/E")


def root_names(iso_path):
    """The files (not folders) at the image's root, by their Joliet names, in image order."""
    with open(iso_path, "rb") as image:
        root = None
        for sector in range(16, 64):
            image.seek(sector * SECTOR)
            descriptor = image.read(SECTOR)
            if descriptor[1:6] != b"CD001" or descriptor[0] == 255:
                break
            if descriptor[0] == 2 and descriptor[88:91] in JOLIET_ESCAPES:
                root = descriptor[156:190]
                break
        if root is None:
            raise ValueError("the image has no Joliet tree")
        extent, length = struct.unpack_from("<I", root, 2)[0], struct.unpack_from("<I", root, 10)[0]
        image.seek(extent * SECTOR)
        records = image.read(length)
    names, at = [], 0
    while at < len(records):
        size = records[at]
        if size == 0:  # the rest of this sector is empty: records never cross one
            at = (at // SECTOR + 1) * SECTOR
            continue
        record = records[at:at + size]
        flags, name_length = record[25], record[32]
        identifier = record[33:33 + name_length]
        at += size
        if identifier in (b"\0", b"\1") or flags & 0x02:
            continue
        name = identifier.decode("utf-16-be", "surrogatepass")
        names.append(name.removesuffix(";1"))
    return names
