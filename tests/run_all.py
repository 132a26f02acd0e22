#!/usr/bin/env python3
"""Runs every test on its own runner and ends with one line `N passed, M failed` (`, K skipped`),
added up from the runners' own JUnit reports: CTest for the native unit tests, the fuzzers over
their seeds, the checks of both programs and the lint; pytest for the release and for the
end-to-end tests under Wine. The lint keeps the processor busy for minutes while the tests under
Wine mostly wait, so it runs beside them."""
import os
import subprocess
import sys
from pathlib import Path
from xml.etree import ElementTree

ROOT = Path(__file__).resolve().parents[1]
BUILD = ROOT / "build"
REPORTS = BUILD / "reports"


def ctest(tree, *selection):
    name = "-".join((tree, *selection)).replace("-L-", "-").replace("-LE-", "-not-")
    report = REPORTS / f"ctest-{name}.xml"
    return report, ["ctest", "--test-dir", str(BUILD / tree), "--output-on-failure",
                    "--output-junit", str(report), *selection]


def pytest(name, folder):
    report = REPORTS / f"pytest-{name}.xml"
    return report, [sys.executable, "-m", "pytest", "-q", "-rs", "-p", "no:cacheprovider",
                    f"--junitxml={report}", str(ROOT / "tests" / folder)]


def counts(report):
    """(passed, failed, skipped) from a JUnit report; a run that left none failed as a whole."""
    if not report.exists():
        return 0, 1, 0
    root = ElementTree.parse(report).getroot()
    suites = [root] if root.tag == "testsuite" else root.findall("testsuite")
    tests = failed = skipped = 0
    for suite in suites:
        tests += int(suite.get("tests", 0))
        failed += int(suite.get("failures", 0)) + int(suite.get("errors", 0))
        skipped += int(suite.get("skipped", 0)) + int(suite.get("disabled", 0))
    return tests - failed - skipped, failed, skipped


def main():
    REPORTS.mkdir(parents=True, exist_ok=True)
    for stale in REPORTS.glob("*.xml"):
        stale.unlink()
    lint_report, lint_command = ctest("native", "-L", "lint")
    # At the lowest priority: the tests under Wine wait on windows with timeouts; the lint waits
    # on nothing.
    lint = subprocess.Popen(["nice", "-n", "19", *lint_command], cwd=ROOT)
    runs = [ctest("native", "-LE", "lint"), ctest("fuzz"), ctest("win32"), ctest("win64"),
            pytest("release", "release")]
    for report, command in runs:
        print(f"== {' '.join(command[:3])} ...", flush=True)
        subprocess.run(command, cwd=ROOT)
    # The tests under Wine for each build side by side, each with a prefix and a display of its
    # own: they spend most of their time waiting on windows. Each one's output follows its end.
    e2e = []
    for arch in ("win32", "win64"):
        report, command = pytest(f"e2e-{arch}", "e2e")
        log = BUILD / f"e2e-{arch}.log"
        env = dict(os.environ, DISCGATE_E2E_ARCHES=arch, DISCGATE_E2E_WORK=str(BUILD / f"e2e-{arch}"))
        with open(log, "w") as output:
            process = subprocess.Popen(command, cwd=ROOT, env=env, stdout=output,
                                       stderr=subprocess.STDOUT)
        e2e.append((process, log, command))
        runs.append((report, command))
    for process, log, command in e2e:
        process.wait()
        print(f"== {' '.join(command[:3])} ({log.name}) ...", flush=True)
        print(log.read_text(), flush=True)
    lint.wait()
    totals = [counts(report) for report, _ in runs] + [counts(lint_report)]
    passed, failed, skipped = (sum(column) for column in zip(*totals))
    print(f"{passed} passed, {failed} failed" + (f", {skipped} skipped" if skipped else ""))
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
