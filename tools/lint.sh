#!/usr/bin/env bash
# Static checks with the checked-in configuration (.clang-tidy, and the cppcheck options below):
# clang-tidy over the native build (the decisions) and over the Windows build (window and
# platform layer, analysed for the mingw target), then cppcheck over all of it.
set -euo pipefail
cd "$(dirname "$0")/.."

# clang-tidy needs the mingw C++ library's include folders, which only the cross compiler knows.
mingw_cxx_includes=()
while read -r folder; do
  mingw_cxx_includes+=("-extra-arg=-isystem${folder}")
done < <(echo | x86_64-w64-mingw32-g++ -xc++ -E -v - 2>&1 |
         sed -n '/search starts here/,/End of search/p' | grep '/c++' | sed 's/^ *//')

status=0
run-clang-tidy -quiet -j 2 -p build/native 'launcher/.*\.cpp$' > build/lint-native.log 2>&1 ||
  status=1
run-clang-tidy -quiet -j 2 -p build/win64 -extra-arg=--target=x86_64-w64-mingw32 \
  "${mingw_cxx_includes[@]}" '(app|platform)/.*\.cpp$' > build/lint-windows.log 2>&1 || status=1
sed 's/\x1b\[[0-9;]*m//g' build/lint-native.log build/lint-windows.log | grep -E '(warning|error): ' | sort -u || true

cppcheck --enable=warning,performance,portability,style --std=c++17 --error-exitcode=1 \
  --inline-suppr --quiet -I . --suppress=missingIncludeSystem --library=googletest \
  --library=windows app launcher platform tests/unit || status=1

if [ "$status" -eq 0 ]; then
  echo "lint: clean"
else
  tail -n 5 build/lint-native.log build/lint-windows.log
  echo "lint: findings above"
fi
exit "$status"
