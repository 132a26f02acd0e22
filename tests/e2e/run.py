"""Runs the end-to-end tests once for each build, the 32-bit program users get first, and ends with
a line `N passed, M failed` (and `, K skipped` when a build could not be run here).

    run.py [PATTERN] [--arch win32|win64]
"""
import argparse
import sys
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import winetest  # noqa: E402


class CountingResult(unittest.TextTestResult):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, **kwargs)
        self.passed = 0

    def getDescription(self, test):
        return f"[{winetest.ARCH}] {test.id()}"

    def addSuccess(self, test):
        super().addSuccess(test)
        self.passed += 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("pattern", nargs="?", default="test_*.py")
    parser.add_argument("--arch", choices=winetest.ARCHES, action="append")
    args = parser.parse_args()

    passed = failed = skipped = 0
    for arch in args.arch or winetest.ARCHES:
        winetest.ARCH = arch
        suite = unittest.defaultTestLoader.discover(str(HERE), pattern=args.pattern,
                                                    top_level_dir=str(HERE))
        if arch == "win32":
            runs, why = winetest.session().runs_32_bit_programs()
            if not runs:
                print(f"e2e [win32]: this machine cannot run 32-bit programs ({why}); "
                      f"its {suite.countTestCases()} tests are skipped, not passed")
                skipped += suite.countTestCases()
                continue
        runner = unittest.TextTestRunner(verbosity=2, resultclass=CountingResult, stream=sys.stdout)
        result = runner.run(suite)
        run_failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
        print(f"e2e [{arch}]: {result.passed} passed, {run_failed} failed")
        passed += result.passed
        failed += run_failed
        skipped += len(result.skipped)
    print(f"e2e: {passed} passed, {failed} failed" + (f", {skipped} skipped" if skipped else ""))
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
