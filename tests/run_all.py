#!/usr/bin/env python3
"""Runs every test: the native unit tests, checks on the built programs, and the end-to-end tests
under Wine. Ends with a line `N passed, M failed` over all of them."""
import json
import subprocess
import sys
from pathlib import Path
from xml.etree import ElementTree

ROOT = Path(__file__).resolve().parents[1]
BUILD = ROOT / "build"
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

# The only DLLs the program may import: Windows' own, and among those only KnownDLLs, which
# Windows always maps from the system folder. Everything else is loaded once the DLL search is
# restricted, so no DLL beside the program on the disc can stand in for one.
KNOWN_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"}
# Address-space randomisation and no code run from data, on both; 64-bit addresses on win64.
HARDENING = {"win32": ("DYNAMIC_BASE", "NX_COMPAT", "TERMINAL_SERVICE_AWARE"),
             "win64": ("DYNAMIC_BASE", "NX_COMPAT", "TERMINAL_SERVICE_AWARE", "HIGH_ENTROPY_VA")}


def unit_tests():
    report = BUILD / "native" / "unit_tests.json"
    subprocess.run([str(BUILD / "native" / "unit_tests"), "--gtest_brief=1",
                    f"--gtest_output=json:{report}"], cwd=ROOT)
    results = json.loads(report.read_text())
    failed = results["failures"] + results["errors"]
    print(f"unit: {results['tests'] - failed} passed, {failed} failed")
    return results["tests"] - failed, failed


def program_checks():
    """Each exe is the right kind of Windows program and imports only Windows' own DLLs."""
    checks = {}
    for arch, objdump, file_format in (("win32", "i686-w64-mingw32-objdump", "pei-i386"),
                                       ("win64", "x86_64-w64-mingw32-objdump", "pei-x86-64")):
        exe = BUILD / arch / "discgate.exe"
        headers = subprocess.run([objdump, "-p", str(exe)], capture_output=True, text=True).stdout
        dlls = {line.split(":", 1)[1].strip().lower()
                for line in headers.splitlines() if "DLL Name:" in line}
        print(f"     {arch} size: {exe.stat().st_size} bytes, imports: {', '.join(sorted(dlls))}")
        checks.update({
            f"{arch} is a {file_format} GUI program": f"file format {file_format}" in headers
            and "(Windows GUI)" in headers,
            f"{arch} imports only Windows DLLs that always come from the system folder":
            bool(dlls) and dlls <= KNOWN_DLLS,
            f"{arch} is marked {', '.join(HARDENING[arch])}":
            all(f"\t{flag}\n" in headers.split("DllCharacteristics", 1)[-1][:400]
                for flag in HARDENING[arch]) and ".reloc" in sections(objdump, exe),
            f"{arch} carries its manifest": b"asInvoker" in exe.read_bytes(),
        })
    return report("programs", checks)


def sections(objdump, exe):
    return subprocess.run([objdump, "-h", str(exe)], capture_output=True, text=True).stdout


def pytest_suite(name, folder):
    """A pytest suite, counted from its own report."""
    results = BUILD / f"{name}.xml"
    subprocess.run([sys.executable, "-m", "pytest", "-q", "-p", "no:cacheprovider",
                    f"--junitxml={results}", str(folder)], cwd=ROOT)
    suite = ElementTree.parse(results).getroot()
    suite = suite if suite.tag == "testsuite" else suite.find("testsuite")
    tests, skipped = int(suite.get("tests")), int(suite.get("skipped"))
    failed = int(suite.get("failures")) + int(suite.get("errors"))
    print(f"{name}: {tests - failed - skipped} passed, {failed} failed")
    return tests - failed - skipped, failed


def report(suite, checks):
    passed = failed = 0
    for name, ok in checks.items():
        print(f"{'ok  ' if ok else 'FAIL'} {name}")
        passed, failed = passed + ok, failed + (not ok)
    print(f"{suite}: {passed} passed, {failed} failed")
    return passed, failed


def start_lint():
    """clang-tidy and cppcheck keep the processor busy for minutes while the end-to-end tests mostly
    wait for Wine, so they run meanwhile; their output goes to a file."""
    log = open(BUILD / "lint.log", "w+")
    return subprocess.Popen([str(ROOT / "tools" / "lint.sh")], cwd=ROOT, stdout=log,
                            stderr=subprocess.STDOUT), log


def static_checks(lint):
    """clang-tidy and cppcheck are clean, and each fuzzer passes over its seed inputs."""
    process, log = lint
    results = {"clang-tidy and cppcheck are clean": process.wait() == 0}
    if process.returncode != 0:
        log.seek(0)
        print(log.read()[-4000:])
    log.close()
    for fuzzer in ("licence", "launch"):
        result = subprocess.run(
            [str(BUILD / "fuzz" / f"fuzz_{fuzzer}"), "-runs=0", f"-artifact_prefix={BUILD / 'fuzz'}/",
             str(ROOT / "tests" / "fuzz" / "corpus" / fuzzer)], cwd=ROOT, capture_output=True, text=True)
        results[f"fuzz_{fuzzer} passes its seeds"] = result.returncode == 0
        if result.returncode != 0:
            print(result.stdout[-4000:], result.stderr[-4000:])
    return report("static", results)


def e2e_tests(*arguments):
    result = subprocess.run([sys.executable, str(ROOT / "tests" / "e2e" / "run.py"), *arguments],
                            cwd=ROOT, capture_output=True, text=True)
    print(result.stdout, result.stderr[-3000:] if result.returncode else "", sep="")
    last = [line for line in result.stdout.splitlines() if line.startswith("e2e: ")]
    if not last:
        return 0, 1, 0
    words = last[-1].replace(",", "").split()
    return int(words[1]), int(words[3]), int(words[5]) if len(words) > 5 else 0


def main():
    lint = start_lint()
    totals = [unit_tests(), program_checks(), pytest_suite("release", ROOT / "tests" / "release")]
    # The release under Wine: its exe is the 32-bit one, so the 32-bit run alone.
    totals = [(p, f, 0) for p, f in totals] + [e2e_tests("release_disc.py", "--arch", "win32"),
                                               e2e_tests()]
    totals.append((*static_checks(lint), 0))
    passed, failed, skipped = (sum(column) for column in zip(*totals))
    print(f"{passed} passed, {failed} failed" + (f", {skipped} skipped" if skipped else ""))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
