#!/usr/bin/env bash
# Includes run one way, floor by floor: colorcode <- widgets <- learner <-
# pages <- shell, and no page includes another page. Fails on any include
# that points back or sideways. The class server's record (server/) sits on
# the learner's library, which never includes it; neither holds a widget, so
# they include nothing from widgets/ either.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=$(git grep -n -E '#include "(widgets|learner|pages|shell)/' -- 'colorcode/*' || true
      git grep -n -E '#include "(learner|pages|shell)/' -- 'widgets/*' || true
      git grep -n -E '#include "(widgets|pages|shell|server)/' -- 'learner/*' || true
      git grep -n -E '#include "(widgets|pages|shell)/' -- 'server/*' || true
      git grep -n -E '#include "shell/' -- 'pages/*' || true
      # A page's own folder is the only one under pages/ it may include.
      git grep -n -E '#include "pages/' -- 'pages/*' |
          awk -F: '{ split($1, from, "/"); if (index($3, "\"pages/" from[2] "/") == 0) print }' || true)
if [[ -n "$bad" ]]; then
    echo "includes that point back or sideways against colorcode <- widgets <- learner <- pages <- shell:"
    echo "$bad"
    exit 1
fi
echo "layout: every include points one way, and no page includes another"
