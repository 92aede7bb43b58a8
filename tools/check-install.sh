#!/usr/bin/env bash
# Runs lintian on the .deb (any error or warning fails), validates the desktop
# entry and the metainfo, unpacks the .deb into a scratch root and starts the
# unpacked program under a virtual X server until its main window is on screen.
set -euo pipefail
build=${1:-build}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

deb=$(ls -t "$build"/pallado_*.deb | head -n 1)
lintian --fail-on error,warning "$deb"
echo "lintian passes $deb"

dpkg-deb -x "$deb" "$root"
echo "unpacked $deb"

version=$(dpkg-deb -f "$deb" Version)
logged=$(zcat "$root"/usr/share/doc/pallado/changelog.gz | dpkg-parsechangelog -l - -S Version)
[[ "$logged" == "$version" ]] || { echo "the changelog's top entry is $logged, the package $version"; exit 1; }

desktop-file-validate "$root"/usr/share/applications/org.pallado.Pallado.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/org.pallado.Pallado.metainfo.xml
test -f "$root"/usr/share/icons/hicolor/scalable/apps/org.pallado.Pallado.svg
test -x "$root"/usr/lib/pallado/pallado
# The learner's dialogs, opened at run time: every library and symbol they
# need is on this system (the package's Depends).
module="$root"/usr/lib/pallado/modules/pallado-dialogs.so
test -f "$module" || { echo "the learner's dialogs are not in the program's folder"; exit 1; }
if ldd -r "$module" 2>&1 | grep -E 'not found|undefined symbol'; then
    echo "the learner's dialogs cannot be opened"; exit 1
fi
test -f "$root"/usr/lib/pallado/RESISTOR.TXT || { echo "RESISTOR.TXT is not beside the program"; exit 1; }
test -L "$root"/usr/bin/pallado
"$root"/usr/bin/pallado-class --help | grep -q "setup URL" ||
    { echo "the installed pallado-class does not answer --help"; exit 1; }

# The launcher link is relative, so it works inside the scratch root as well.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1"/usr/bin/pallado & pid=$!
    for _ in $(seq 1 100); do
        if xwininfo -root -tree | grep -q "\"Pallado\""; then
            echo "the installed program shows its window"
            kill $pid; wait $pid 2>/dev/null || true
            exit 0
        fi
        kill -0 $pid 2>/dev/null || { echo "the installed program ended"; exit 1; }
        sleep 0.1
    done
    echo "no window within 10 s"; kill $pid; exit 1
' _ "$root"
