#!/usr/bin/env bash
# Includes run one way: colorcode <- widgets <- pages <- shell. Fails on any
# include that points back.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=$(git grep -n -E '#include "(widgets|pages|shell)/' -- 'colorcode/*' || true
      git grep -n -E '#include "(pages|shell)/' -- 'widgets/*' || true
      git grep -n -E '#include "shell/' -- 'pages/*' || true)
if [[ -n "$bad" ]]; then
    echo "includes that point back against colorcode <- widgets <- pages <- shell:"
    echo "$bad"
    exit 1
fi
echo "layout: every include points one way"
