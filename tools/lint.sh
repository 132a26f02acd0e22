#!/usr/bin/env bash
# Static checks with the checked-in configuration (.clang-format, .clang-tidy, and the cppcheck
# options below): the formatting of every source file, the direction of the includes, clang-tidy
# over the native build (the decisions) and over the Windows build (window and platform layer,
# analysed for the mingw target), pyflakes over the Python, then cppcheck over all of it.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
sources=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find app launcher platform tests bench -name '*.cpp' -o -name '*.h')

# Every file as clang-format would write it.
for file in $sources; do
  if ! clang-format --dry-run --Werror "$file" > /dev/null 2>&1; then
    echo "$file: not formatted as .clang-format says (clang-format -i $file)"
    status=1
  fi
done

# Includes go one way: app/ -> launcher/ -> platform/platform.h and result.h. The decisions know no
# Windows header and no window; the platform layer knows neither the decisions nor the window.
layering() {  # folder, allowed-include pattern, what is wrong otherwise
  local folder=$1 allowed=$2 why=$3
  grep -HnE '^#include +[<"]' "$folder"/*.cpp "$folder"/*.h | grep -vE "$allowed" |
    sed "s|\$| <- $why|" || true
}
wrong_way=$( {
  layering launcher '#include +(<[a-z_]+>|"launcher/[a-z_0-9]+\.h"|"platform/(platform|result)\.h")' \
    "launcher/ includes only the standard library, launcher/ and platform/platform.h, result.h"
  layering platform '#include +(<[a-z_0-9./]+>|"platform/[a-z_]+\.h")' \
    "platform/ never includes launcher/ or app/"
} )
if [ -n "$wrong_way" ]; then
  echo "$wrong_way"
  status=1
fi
if grep -nE '#include +<(windows|winbase|winuser|shellapi|commctrl|objbase)\.h>' launcher/*; then
  echo "launcher/ must not include Windows headers"
  status=1
fi

# clang-tidy needs the mingw C++ library's include folders, which only the cross compiler knows.
mingw_cxx_includes=()
while read -r folder; do
  mingw_cxx_includes+=("-extra-arg=-isystem${folder}")
done < <(echo | x86_64-w64-mingw32-g++ -xc++ -E -v - 2>&1 |
         sed -n '/search starts here/,/End of search/p' | grep '/c++' | sed 's/^ *//')

run-clang-tidy -quiet -j 2 -p build/native '(launcher|tools)/.*\.cpp$' > build/lint-native.log 2>&1 ||
  status=1
run-clang-tidy -quiet -j 2 -p build/win64 -extra-arg=--target=x86_64-w64-mingw32 \
  "${mingw_cxx_includes[@]}" '(app|platform)/.*\.cpp$' > build/lint-windows.log 2>&1 || status=1
sed 's/\x1b\[[0-9;]*m//g' build/lint-native.log build/lint-windows.log | grep -E '(warning|error): ' | sort -u || true

# The Python of the tests and tools.
python_sources=$(git ls-files '*.py' 2>/dev/null || find . -name '*.py' -not -path './build/*')
# shellcheck disable=SC2086
pyflakes3 $python_sources || status=1

cppcheck --enable=warning,performance,portability,style --std=c++20 --error-exitcode=1 \
  --inline-suppr --quiet -I . --suppress=missingIncludeSystem --library=googletest \
  --library=windows app launcher platform tests/unit tools || status=1

if [ "$status" -eq 0 ]; then
  echo "lint: clean"
else
  tail -n 5 build/lint-native.log build/lint-windows.log
  echo "lint: findings above"
fi
exit "$status"
