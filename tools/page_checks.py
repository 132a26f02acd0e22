"""What today's browsers do with a disc's start page: the things in a page that work no longer,
or not from a disc, each with the line it stands on. They are warnings: the page is the
author's, and a page may still work elsewhere."""
import re

# (what is found, what it means); each pattern is matched on one line, in any case.
PAGE_RULES = [
    (re.compile(r"""language\s*=\s*["']?vbscript|type\s*=\s*["']?text/vbscript""", re.I),
     "VBScript, which no browser of today runs and Windows is removing"),
    (re.compile(r"ActiveXObject", re.I), "ActiveXObject, which only Internet Explorer had"),
    (re.compile(r"window\.external", re.I), "window.external, which only Internet Explorer had"),
    # A relative or file: address: browsers block such requests from a page opened from a disc.
    (re.compile(r"""fetch\s*\(\s*["'`](?![a-z][a-z0-9+.-]*:(?<!file:)|//)""", re.I),
     "fetch() of a relative or file: address, which browsers block for a page opened from a disc"),
    (re.compile(r"""\.open\s*\(\s*["'][a-z]+["']\s*,\s*["'`](?![a-z][a-z0-9+.-]*:(?<!file:)|//)""",
                re.I),
     "XMLHttpRequest of a relative or file: address, which browsers block for a page opened "
     "from a disc"),
    (re.compile(r"microsoft-edge:", re.I),
     "a microsoft-edge: link, which always opens Edge, whatever the user's default browser"),
]


def decoded(data):
    if data.startswith((b"\xff\xfe", b"\xfe\xff")):
        return data.decode("utf-16", "replace")
    return data.decode("utf-8", "replace")


def page_warnings(name, data):
    """The warnings for one page: "NAME:LINE: what", in the order they stand."""
    warnings = []
    if name.lower().endswith(".hta"):
        warnings.append(f"{name}: an .hta start page opens in the browser as a page, and never "
                        "runs as an application")
    for number, line in enumerate(decoded(data).splitlines(), start=1):
        for pattern, meaning in PAGE_RULES:
            if pattern.search(line):
                warnings.append(f"{name}:{number}: {meaning}")
    return warnings
