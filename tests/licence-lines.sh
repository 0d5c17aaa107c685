#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the tree states its licence in its first lines (after
# a #! line), so that a file copied out alone still says under what terms.
#   licence-lines.sh <source folder>
set -eu
cd "$1"
missing=$(find . \( -name '.git' -o -name 'build*' -o -name '__pycache__' \) -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' -o -name '*.cmake' \
       -o -name 'CMakeLists.txt' -o -path './dev' -o -path './.ci/run' \) -print |
  while read -r file; do
    head -n 2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
  done)
if [ -n "$missing" ]; then
  echo "FAIL: no licence line in:"
  echo "$missing"
  exit 1
fi
