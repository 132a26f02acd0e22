"""The names a disc author hands the release tool, checked as data: what each field can carry,
and the autorun.inf written from them. A value is never pasted into shell text or a command line
here; a character a field cannot carry is refused with the variable's name and the character."""
import unicodedata

# Windows forbids these in a file name, besides control characters.
FORBIDDEN_IN_FILE_NAMES = '\\/:*?"<>|'
# Names Windows keeps for devices, whatever extension follows.
DEVICE_NAMES = {"CON", "PRN", "AUX", "NUL", *(f"COM{n}" for n in range(1, 10)),
                *(f"LPT{n}" for n in range(1, 10))}
# The caption holds the product in a fixed buffer of the program's: launcher/ui_texts.h.
MAX_PRODUCT_LENGTH = 64
# What Windows shows of a disc's label.
LABEL_SHOWN = 32
# What the image's ISO 9660 volume identifier holds, in bytes.
VOLUME_ID_BYTES = 32


class Refused(Exception):
    """The release cannot be made as asked; the message says why."""


def describe(character):
    name = unicodedata.name(character, "a control character")
    shown = repr(character)[1:-1] if not character.isprintable() else character
    return f'"{shown}" (U+{ord(character):04X}, {name.lower()})'


def check_text(variable, value, field):
    """Refuses a value that is no text or holds a control character (a line break among them),
    which `field` cannot carry."""
    for character in value:
        if 0xD800 <= ord(character) <= 0xDFFF:
            raise Refused(f"{variable} is not valid UTF-8")
        if unicodedata.category(character) == "Cc":
            raise Refused(f"{variable} holds {describe(character)}, which {field} cannot carry")
    return value


def check_product(value):
    check_text("DISC_PRODUCT", value, "the version resource and the captions")
    if len(value.encode("utf-16-le")) // 2 > MAX_PRODUCT_LENGTH:
        raise Refused(f"DISC_PRODUCT is longer than the {MAX_PRODUCT_LENGTH} characters a "
                      "caption holds")
    return value


def check_exe_name(name, content_names):
    """One file name ending in .exe that Windows can make and the disc has no other file of."""
    check_text("DISC_EXE_NAME", name, "a file name")
    for character in name:
        if character in FORBIDDEN_IN_FILE_NAMES:
            raise Refused(f"DISC_EXE_NAME holds {describe(character)}, which Windows does not "
                          "allow in a file name: it must be one file name, without a folder")
    if not name.lower().endswith(".exe") or name.lower() == ".exe":
        raise Refused(f'DISC_EXE_NAME "{name}" does not end in ".exe": Windows would not start it')
    if name.split(".")[0].rstrip(" ").upper() in DEVICE_NAMES:
        raise Refused(f'DISC_EXE_NAME "{name}" is a name Windows keeps for a device')
    taken = {other.upper(): other for other in content_names}
    if name.upper() in taken:
        raise Refused(f'DISC_EXE_NAME "{name}" is the name of "{taken[name.upper()]}" in '
                      "DISC_CONTENT: the program would replace it")
    return name


def volume_id(label):
    """The label as the ISO 9660 volume identifier holds it: whole characters, up to 32 bytes.
    Windows reads the Joliet identifier, the first 16 characters, beside it."""
    shortened = label
    while len(shortened.encode()) > VOLUME_ID_BYTES:
        shortened = shortened[:-1]
    return shortened


def ini_value(value):
    """A value as Windows' profile reader gives it back: it trims blanks at both ends and drops
    one pair of quotation marks around the whole value, so such a value gets a pair of its own."""
    if value != value.strip() or (len(value) > 1 and value[0] == value[-1] and value[0] in "\"'"):
        return f'"{value}"'
    return value


def autorun_inf(exe_name, label, product):
    """autorun.inf for the program: ASCII, or UTF-16 LE with a byte-order mark when a name holds
    another letter, as Windows reads such files; with Windows line breaks."""
    program = f'"{exe_name}"' if " " in exe_name else exe_name
    action = f"Read the licence agreement and start {product or 'the disc'}"
    text = "\r\n".join(["[autorun]", f"open={program}", f"icon={exe_name},0",
                        f"label={ini_value(label)}", f"action={ini_value(action)}", ""])
    if text.isascii():
        return text.encode("ascii")
    return b"\xff\xfe" + text.encode("utf-16-le")
