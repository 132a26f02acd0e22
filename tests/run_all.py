#!/usr/bin/env python3
"""Runs every test: the native unit tests, checks on the built programs, and the end-to-end tests
under Wine. Ends with a line `N passed, M failed` over all of them."""
import json
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
BUILD = ROOT / "build"
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

# Windows' own DLLs: the only ones a program on a disc can count on.
WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "comctl32.dll",
                "ole32.dll", "advapi32.dll", "msvcrt.dll"}


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
    passed = failed = 0
    for arch, objdump, file_format in (("win32", "i686-w64-mingw32-objdump", "pei-i386"),
                                       ("win64", "x86_64-w64-mingw32-objdump", "pei-x86-64")):
        exe = BUILD / arch / "discgate.exe"
        headers = subprocess.run([objdump, "-p", str(exe)], capture_output=True, text=True).stdout
        dlls = {line.split(":", 1)[1].strip().lower()
                for line in headers.splitlines() if "DLL Name:" in line}
        checks = {
            f"{arch} is a {file_format} GUI program": f"file format {file_format}" in headers
            and "(Windows GUI)" in headers,
            f"{arch} imports only Windows DLLs": bool(dlls) and dlls <= WINDOWS_DLLS,
            f"{arch} carries its manifest": b"asInvoker" in exe.read_bytes(),
        }
        for name, ok in checks.items():
            print(f"{'ok  ' if ok else 'FAIL'} {name}" + ("" if ok else f" (imports: {sorted(dlls)})"))
            passed, failed = passed + ok, failed + (not ok)
        print(f"     {arch} size: {exe.stat().st_size} bytes")
    print(f"programs: {passed} passed, {failed} failed")
    return passed, failed


def static_checks():
    """clang-tidy and cppcheck are clean, and each fuzzer passes over its seed inputs."""
    checks = {"clang-tidy and cppcheck are clean": [str(ROOT / "tools" / "lint.sh")]}
    for fuzzer in ("licence", "launch"):
        checks[f"fuzz_{fuzzer} passes its seeds"] = [
            str(BUILD / "fuzz" / f"fuzz_{fuzzer}"), "-runs=0", f"-artifact_prefix={BUILD / 'fuzz'}/",
            str(ROOT / "tests" / "fuzz" / "corpus" / fuzzer)]
    passed = failed = 0
    for name, command in checks.items():
        result = subprocess.run(command, cwd=ROOT, capture_output=True, text=True)
        ok = result.returncode == 0
        print(f"{'ok  ' if ok else 'FAIL'} {name}")
        if not ok:
            print(result.stdout[-4000:], result.stderr[-4000:])
        passed, failed = passed + ok, failed + (not ok)
    print(f"static: {passed} passed, {failed} failed")
    return passed, failed


def e2e_tests():
    result = subprocess.run([sys.executable, str(ROOT / "tests" / "e2e" / "run.py")], cwd=ROOT,
                            capture_output=True, text=True)
    print(result.stdout[-6000:], result.stderr[-3000:] if result.returncode else "", sep="")
    last = [line for line in result.stdout.splitlines() if line.startswith("e2e: ")]
    if not last:
        return 0, 1
    words = last[-1].split()
    return int(words[1]), int(words[3])


def main():
    totals = [unit_tests(), program_checks(), static_checks(), e2e_tests()]
    passed = sum(p for p, _ in totals)
    failed = sum(f for _, f in totals)
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
