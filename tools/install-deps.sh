#!/usr/bin/env bash
# Installs, from Debian's archive, whatever of the build and test needs is not
# there yet. Runs `apt-get update` only when something has to be installed.
set -euo pipefail

# dpkg-dev and file: CPack reads the executable's library needs with
# dpkg-shlibdeps for the package's Depends. qt6-translations-l10n: Qt's own
# Korean texts (a message box's buttons), which the program loads at start.
# libqt6sql6-sqlite: the SQLite driver Qt Sql loads for the learner's record.
# qt6-base-dev holds Qt Print Support's headers too. poppler-utils: the
# worksheet test reads the PDF's text and renders its page. libsqlite3-dev:
# the record's test speaks to SQLite directly as another program would.
# qt6-charts-dev: the progress view's daily chart; on Debian 12 its CMake files look for Qt
# OpenGL, whose own come with libqt6opengl6-dev. postgresql and
# libqt6sql6-psql: the class record's server, which the tests start in a
# scratch folder, and the driver that reaches it. qtkeychain-qt6-dev: the
# desktop's keyring, where a joined pupil's password is remembered.
# libfontconfig-dev: start-up reads fontconfig's caches ahead, on a thread.
packages=(
    cmake make g++ pkg-config dpkg-dev file
    qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev libqt6sql6-sqlite
    qt6-charts-dev libqt6opengl6-dev
    fonts-nanum qt6-translations-l10n
    poppler-utils libsqlite3-dev
    postgresql libqt6sql6-psql
    qtkeychain-qt6-dev libfontconfig-dev
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
