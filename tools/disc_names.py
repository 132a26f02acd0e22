"""The names a disc author hands the release tool, checked as data: what each field can carry,
and the autorun.inf written from them. A value is never pasted into shell text or a command line
here; a character a field cannot carry is refused with the variable's name and the character."""
import fnmatch
import unicodedata

# Windows forbids these in a file name, besides control characters; Joliet rewrites ; too.
FORBIDDEN_IN_FILE_NAMES = '\\/:*?"<>|'
REWRITTEN_BY_JOLIET = ";"
# Names Windows keeps for devices, whatever extension follows; it reads the superscript digits
# as digits here.
DEVICE_NAMES = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$",
                *(f"{port}{digit}" for port in ("COM", "LPT")
                  for digit in (*"123456789", "\u00b9", "\u00b2", "\u00b3"))}
# The longest name a Joliet image holds whole (xorriso's -joliet-long), in UTF-16 units.
JOLIET_UNITS = 103
# Files an author rarely means to ship: secrets, a desktop's and an editor's leftovers, and
# shortcuts whose icon paths make Explorer contact a \\host\share by itself.
UNWANTED = {".env", ".ds_store", "thumbs.db", "desktop.ini"}
UNWANTED_SUFFIXES = (".url", ".lnk", ".scf", ".library-ms", "~", ".swp", ".swo", ".bak", ".orig")
# Private keys and secrets, by name; a .pem file only when it holds a private key.
SECRET_NAMES = ("*.pfx", "*.p12", "*.key", "*.snk", "id_rsa*", "id_ed25519*", "*.kdbx",
                "password*.txt")
PRIVATE_KEY_MARK = b"PRIVATE KEY-----"
# The caption holds the product in a fixed buffer of the program's: launcher/ui_texts.h.
MAX_PRODUCT_LENGTH = 64
# Far more than Explorer shows of a company; the version resource counts its blocks in 16 bits.
MAX_COMPANY_LENGTH = 256
# What Windows shows of a disc's label.
LABEL_SHOWN = 32
# What the image's ISO 9660 volume identifier holds, in bytes.
VOLUME_ID_BYTES = 32


class Refused(Exception):
    """The release cannot be made as asked; the message says why."""


def describe(character):
    if 0xDC80 <= ord(character) <= 0xDCFF:  # a byte that is not UTF-8, as os.fsdecode keeps it
        return f"the byte \\x{ord(character) - 0xDC00:02X}, which is not UTF-8"
    name = unicodedata.name(character, "a control character")
    return f'"{shown(character)}" (U+{ord(character):04X}, {name.lower()})'


def is_hidden_character(character):
    """Whether a character shows as nothing or moves the text around it: controls, format
    characters (U+202E among them), separators other than the space, and unassigned ones."""
    return unicodedata.category(character) in ("Cc", "Cf", "Cs", "Co", "Cn", "Zl", "Zp")


def shown(name):
    """A name as it may be printed: every character that would not show as itself is written
    as <U+XXXX>, every byte that is not UTF-8 as \\xNN, so the terminal sees only text."""
    out = []
    for character in name:
        if 0xDC80 <= ord(character) <= 0xDCFF:
            out.append(f"\\x{ord(character) - 0xDC00:02X}")
        elif is_hidden_character(character):
            out.append(f"<U+{ord(character):04X}>")
        else:
            out.append(character)
    return "".join(out)


def utf16_units(text):
    return len(text.encode("utf-16-le", "surrogatepass")) // 2


def is_device_name(name):
    return name.split(".")[0].rstrip(" ").upper() in DEVICE_NAMES


def why_not_as_is(name):
    """Why Windows, reading the disc through Joliet, would not see this file or folder name as
    it is, or not as the only one of its name; None when it would."""
    for character in name:
        if 0xDC80 <= ord(character) <= 0xDCFF:
            return "it is not UTF-8"
        if unicodedata.category(character) == "Cc" or character in FORBIDDEN_IN_FILE_NAMES:
            return f"it holds {describe(character)}, which Windows does not allow in a name"
        if character in REWRITTEN_BY_JOLIET:
            return f"it holds {describe(character)}, which the image would rewrite"
        if ord(character) > 0xFFFF:
            return f"it holds {describe(character)}, beyond what the image's names hold"
    if utf16_units(name) > JOLIET_UNITS:
        return f"it is longer than the {JOLIET_UNITS} characters the image holds of a name"
    if name.endswith((".", " ")):
        return "it ends in a dot or a space, which Windows drops"
    if is_device_name(name):
        return "it is a name Windows keeps for a device"
    return None


def is_secret(name, head):
    """Whether a file is a private key or a secret by its name, or (a .pem) by the start of what
    it holds; names are matched in any case."""
    lower = name.lower()
    if any(fnmatch.fnmatchcase(lower, pattern) for pattern in SECRET_NAMES):
        return True
    return lower.endswith(".pem") and PRIVATE_KEY_MARK in head


def is_unwanted(name):
    lower = name.lower()
    return (lower in UNWANTED or lower.endswith(UNWANTED_SUFFIXES) or lower.startswith(".#")
            or (lower.startswith("#") and lower.endswith("#")))


def check_text(variable, value, field, hidden=("Cc",)):
    """Refuses a value that is no text or holds a control character (a line break among them),
    or a character of the other `hidden` categories, which `field` cannot carry."""
    for character in value:
        if 0xD800 <= ord(character) <= 0xDFFF:
            raise Refused(f"{variable} is not valid UTF-8")
        if unicodedata.category(character) in hidden:
            raise Refused(f"{variable} holds {describe(character)}, which {field} cannot carry")
    return value


def check_label(value):
    # A format character such as U+202E would turn the label Explorer shows around.
    return check_text("DISC_LABEL", value, "a disc's label", hidden=("Cc", "Cf"))


def check_company(value):
    check_text("DISC_COMPANY", value, "the version resource")
    if utf16_units(value) > MAX_COMPANY_LENGTH:
        raise Refused(f"DISC_COMPANY is longer than the {MAX_COMPANY_LENGTH} characters the "
                      "version resource is given")
    return value


def check_product(value):
    check_text("DISC_PRODUCT", value, "the version resource and the captions")
    if len(value.encode("utf-16-le")) // 2 > MAX_PRODUCT_LENGTH:
        raise Refused(f"DISC_PRODUCT is longer than the {MAX_PRODUCT_LENGTH} characters a "
                      "caption holds")
    return value


def check_exe_name(name, content_names):
    """One file name ending in .exe that Windows can make and the disc has no other file of."""
    check_text("DISC_EXE_NAME", name, "a file name", hidden=("Cc", "Cf"))
    for character in name:
        if character in FORBIDDEN_IN_FILE_NAMES:
            raise Refused(f"DISC_EXE_NAME holds {describe(character)}, which Windows does not "
                          "allow in a file name: it must be one file name, without a folder")
        # autorun.inf's open= and icon= read a comma as the end of the name, and Windows
        # expands %NAME% there.
        if character in "%,":
            raise Refused(f"DISC_EXE_NAME holds {describe(character)}, which autorun.inf "
                          "cannot carry in a name")
    if not name.lower().endswith(".exe") or name.lower() == ".exe":
        raise Refused(f'DISC_EXE_NAME "{shown(name)}" does not end in ".exe": Windows would '
                      "not start it")
    why = why_not_as_is(name)
    if why:
        raise Refused(f'DISC_EXE_NAME "{shown(name)}" cannot be the program\'s name: {why}')
    taken = {other.upper(): other for other in content_names}
    if name.upper() in taken:
        raise Refused(f'DISC_EXE_NAME "{shown(name)}" is the name of "{shown(taken[name.upper()])}" '
                      "in DISC_CONTENT: the program would replace it")
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


def autorun_program(data):
    """What an author's own autorun.inf starts: the open= (or shellexecute=) of its [autorun]
    section, without quotes and arguments; None when it starts nothing. Refused: an [autorun.*]
    section for one kind of processor (autorun.amd64), which Windows reads instead of [autorun]
    there, and a shell verb (shell=, shell\\verb\\command=), which AutoPlay offers to run."""
    if data.startswith(b"\xff\xfe"):
        text = data[2:].decode("utf-16-le", "replace")
    else:
        text = data.removeprefix(b"\xef\xbb\xbf").decode("utf-8", "replace")
    section, program = None, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("["):
            section = line.strip("[]").strip().lower()
            if section.startswith("autorun."):
                raise Refused(f"its [{shown(section)}] section would start something on that "
                              "kind of processor")
        elif section == "autorun" and "=" in line:
            key, value = (part.strip() for part in line.split("=", 1))
            key = key.lower()
            if key == "shell" or key.startswith("shell\\"):
                raise Refused(f"its {shown(key)} key offers to run something")
            if key in ("open", "shellexecute") and value:
                if value.startswith('"'):
                    value = value[1:].split('"', 1)[0]
                elif key == "open":
                    value = value.split(" ", 1)[0]
                if program is not None and program.lower() != value.lower():
                    return value  # two different programs: the one that is not ours counts
                program = value
    return program
