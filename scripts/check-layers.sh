#!/usr/bin/env bash
# Checks the layers of src/ by their includes; prints every include that breaks them and fails.
#   The domain library (src/<folder>/ without ui/, except app/, cli/ and widgets/) includes no
#   window: nothing of src/app, of a ui/ folder or of src/widgets, and no QtWidgets header.
#   Its core (src/core without ui/) includes nothing outside src/core.
#   The windows (src/*/ui/ and src/widgets/) include nothing of src/app.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

headers="$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)"
if [ -z "$headers" ] || [ ! -d "$headers/QtWidgets" ]; then
  headers="$(dirname "$(ls -d /usr/include/*/qt6/QtWidgets /usr/include/qt6/QtWidgets 2>/dev/null | head -n 1)")"
fi
if [ ! -d "$headers/QtWidgets" ]; then
  echo "check-layers: the QtWidgets headers were not found (is Qt 6 installed?)" >&2
  exit 2
fi
# The headers of QtWidgets; the few that only forward to QtCore or QtGui are allowed.
widgets="$(mktemp)"
trap 'rm -f "$widgets"' EXIT
comm -23 <(ls "$headers/QtWidgets" | sort) <(ls "$headers/QtCore" "$headers/QtGui" | sort -u) >"$widgets"

find src -type f \( -name '*.h' -o -name '*.cpp' \) | sort | awk -v widgets="$widgets" '
BEGIN {
  while ((getline name < widgets) > 0)
    widgetHeader[name] = 1
  failures = 0
}
function fail(file, line, included, rule) {
  printf "check-layers: %s:%d includes %s: %s\n", file, line, included, rule
  failures++
}
{
  file = $0
  split(file, part, "/")
  folder = part[2]
  window = (file ~ /\/ui\// || folder == "widgets")
  domain = !window && folder != "app" && folder != "cli"
  core = domain && folder == "core"
  line = 0
  while ((getline text < file) > 0) {
    line++
    if (text !~ /^[ \t]*#[ \t]*include[ \t]*["<]/)
      continue
    quoted = (text ~ /^[ \t]*#[ \t]*include[ \t]*"/)
    name = text
    sub(/^[ \t]*#[ \t]*include[ \t]*["<]/, "", name)
    sub(/[">].*$/, "", name)
    shown = quoted ? "\"" name "\"" : "<" name ">"
    if (domain && quoted && (name ~ /^(app|widgets)\// || name ~ /(^|\/)ui\//))
      fail(file, line, shown, "the domain library includes no window (src/app, */ui/, src/widgets)")
    else if (domain && !quoted && (name == "QtWidgets" || name ~ /^QtWidgets\// || (name in widgetHeader)))
      fail(file, line, shown, "the domain library uses QtCore and QtGui only, never QtWidgets")
    else if (core && quoted && name !~ /^core\//)
      fail(file, line, shown, "src/core includes nothing of the subsystems, reports or programs")
    else if (window && quoted && name ~ /^app\//)
      fail(file, line, shown, "windows of the subsystems and src/widgets include nothing of src/app")
  }
  close(file)
}
END {
  if (failures > 0) {
    printf "check-layers: %d include(s) break the layers of src/ (see the architecture in the engineering guide)\n", failures
    exit 1
  }
}'
