#!/usr/bin/env bash
# Writes PNG screenshots of the program's windows into the given folder,
# with the desktop's font and again into <outdir>/14pt with a 14-point one,
# in English or in the language given (de, fr, es, it, pt_BR, ru, zh_CN, ja,
# or pseudo, the texts bracketed and a third longer):
#   scripts/screenshots.sh [--language CODE] <outdir>
# Builds what is needed, then runs the screenshot program under a virtual X
# server (xvfb-run), so it works on a machine without a display.
set -euo pipefail
language=()
if [ $# -eq 3 ] && [ "$1" = --language ]; then
    language=(--language "$2")
    shift 2
fi
if [ $# -ne 1 ]; then
    echo "usage: $0 [--language CODE] <outdir>" >&2
    exit 2
fi
cd "$(dirname "$0")/.."
out=$(mkdir -p "$1" && cd "$1" && pwd)
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja >/dev/null
fi
cmake --build build --target screenshots quivercast_files quivercast_lrelease quivercast_pseudo
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
xvfb-run -a -s "-screen 0 1920x1080x24" build/tests/screenshots "${language[@]}" "$out"
xvfb-run -a -s "-screen 0 1920x1080x24" build/tests/screenshots --point-size 14 "${language[@]}" "$out/14pt"
