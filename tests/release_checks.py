"""Checks of the release as a disc author gets it: reproducible exe, zip and image; names that keep
their case on the image; an Authenticode signature that covers the exe as packed and breaks when
one byte changes; the author's names in the version resource; and an author's folder that would
make a broken disc refused or warned about."""
import shutil
import subprocess
import sys
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
BUILD = ROOT / "build"
MAKE_DIST = [sys.executable, str(ROOT / "tools" / "make_dist.py")]
SIGNED = BUILD / "dist-signed"  # the signed release the checks under Wine start
SAMPLE_NAMES = ["License.ar.txt", "License.de.txt", "License.txt", "autorun.inf", "discgate.exe",
                "index.htm"]


def build_win32(folder, *definitions):
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(folder), "-DCMAKE_BUILD_TYPE=Release",
                    f"-DCMAKE_TOOLCHAIN_FILE={ROOT / 'cmake' / 'mingw-i686.cmake'}", *definitions],
                   check=True, capture_output=True)
    subprocess.run(["cmake", "--build", str(folder), "-j2", "--target", "discgate"], check=True,
                   capture_output=True)
    return folder / "discgate.exe"


def make_dist(exe, output, *options):
    shutil.rmtree(output, ignore_errors=True)
    return subprocess.run([*MAKE_DIST, str(exe), str(output), *options], capture_output=True,
                          text=True)


def joliet_names(iso):
    """The names at the image's root as Windows reads them: from the Joliet tree."""
    listing = subprocess.run(["xorriso", "-read_fs", "norock", "-indev", str(iso), "-lsd", "/*"],
                             capture_output=True, text=True).stdout
    return sorted(line.rsplit("'", 2)[-2].lstrip("/") for line in listing.splitlines()
                  if line.endswith("'"))


def verifies(exe, certificate):
    result = subprocess.run(["osslsigncode", "verify", "-CAfile", str(certificate), "-ignore-crl",
                             "-in", str(exe)], capture_output=True, text=True)
    return result.returncode == 0, result.stdout + result.stderr


def throwaway_certificate(folder):
    """A self-signed code-signing certificate and its PKCS#12 file, with the password in a file."""
    folder.mkdir(parents=True, exist_ok=True)
    password = folder / "password"
    password.write_text("not-a-secret\n")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=discgate test signer", "-keyout", str(folder / "key.pem"),
                    "-out", str(folder / "cert.pem"), "-addext", "extendedKeyUsage=codeSigning",
                    "-addext", "keyUsage=critical,digitalSignature"],
                   check=True, capture_output=True)
    subprocess.run(["openssl", "pkcs12", "-export", "-inkey", str(folder / "key.pem"), "-in",
                    str(folder / "cert.pem"), "-out", str(folder / "cert.pfx"), "-passout",
                    f"file:{password}"], check=True, capture_output=True)
    return folder / "cert.pfx", password, folder / "cert.pem"


def packed_exe(zip_path, into):
    with zipfile.ZipFile(zip_path) as archive:
        name = next(n for n in archive.namelist() if n.endswith("/discgate.exe")
                    and "sample-disc" not in n)
        into.write_bytes(archive.read(name))
    return into


def checks():
    results = {}
    version = (ROOT / "VERSION").read_text().strip()
    exe = BUILD / "win32" / "discgate.exe"
    again = build_win32(BUILD / "win32-again")
    results["two builds give the same exe"] = exe.read_bytes() == again.read_bytes()

    outputs = [BUILD / "dist-0", BUILD / "dist-1"]
    for output, build in zip(outputs, (exe, again)):
        make_dist(build, output)
    zips = [output / f"discgate-{version}-win32.zip" for output in outputs]
    isos = [output / f"discgate-{version}-sample.iso" for output in outputs]
    results["two packings give the same zip"] = zips[0].read_bytes() == zips[1].read_bytes()
    results["two packings give the same image"] = isos[0].read_bytes() == isos[1].read_bytes()
    results["the exe and the zip carry the version"] = version.encode("utf-16-le") in \
        exe.read_bytes() and zips[0].exists()
    names = joliet_names(isos[0])
    results["every name on the sample image keeps its case"] = names == SAMPLE_NAMES
    if names != SAMPLE_NAMES:
        print(f"     image's Joliet names: {names}")

    pfx, password, certificate = throwaway_certificate(BUILD / "signing")
    signed = make_dist(exe, SIGNED, "--sign-pfx", str(pfx), "--sign-password-file", str(password))
    packed = packed_exe(SIGNED / f"discgate-{version}-win32.zip", BUILD / "signing" / "packed.exe")
    good, said = verifies(packed, certificate)
    results["the signature covers the exe as packed in the zip"] = signed.returncode == 0 and good
    if not good:
        print(f"     osslsigncode verify: {said.strip()[-800:]}")
    tampered = bytearray(packed.read_bytes())
    tampered[len(tampered) // 2] ^= 0x01
    (BUILD / "signing" / "tampered.exe").write_bytes(bytes(tampered))
    results["one changed byte breaks the signature"] = \
        not verifies(BUILD / "signing" / "tampered.exe", certificate)[0]

    named = build_win32(BUILD / "win32-named", "-DDISCGATE_COMPANY=Müller & Söhne GmbH",
                        "-DDISCGATE_PRODUCT=Atlas Suite 7")
    resource = named.read_bytes()
    results["the author's company and product are in the version resource"] = all(
        text.encode("utf-16-le") in resource
        for text in ("CompanyName", "Müller & Söhne GmbH", "Atlas Suite 7"))

    content = BUILD / "author-disc"
    shutil.rmtree(content, ignore_errors=True)
    content.mkdir(parents=True)
    (content / "INDEX.HTM").write_text("<html></html>")
    refused = make_dist(exe, BUILD / "dist-refused", "--disc-content", str(content))
    results["a disc folder without License.txt is refused and no image made"] = \
        refused.returncode == 2 and "License.txt" in refused.stderr and \
        not list((BUILD / "dist-refused").glob("*.iso"))
    (content / "License.txt").write_text("licence")
    warned = make_dist(exe, BUILD / "dist-author", "--disc-content", str(content),
                       "--disc-label", "ATLAS", "--disc-exe-name", "setup.exe")
    results["a near miss such as INDEX.HTM is named in a warning"] = \
        warned.returncode == 0 and 'INDEX.HTM: a start page\'s name must begin with exactly' \
        in warned.stderr
    author_iso = BUILD / "dist-author" / f"discgate-{version}-disc.iso"
    results["the author's image holds the renamed program and an autorun.inf"] = \
        author_iso.exists() and joliet_names(author_iso) == ["INDEX.HTM", "License.txt",
                                                             "autorun.inf", "setup.exe"]
    return results
