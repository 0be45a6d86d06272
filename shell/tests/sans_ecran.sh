#!/bin/bash
# The program started with no display: the start-up failure message, in
# Windows-1252 bytes, on standard output, and exit code 1.
set -u
sortie=$(mktemp)
trap 'rm -f "$sortie"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY ASAN_OPTIONS=detect_leaks=0 "$1" > "$sortie" 2>/dev/null
code=$?
attendu=$(printf 'Erreur irr\xe9cup\xe9rable\xa0: l'"'"'initialisation MFC a \xe9chou\xe9\n' | od -An -tx1)
obtenu=$(od -An -tx1 < "$sortie")
if [ "$code" -ne 1 ]; then echo "exit code $code, expected 1"; exit 1; fi
if [ "$obtenu" != "$attendu" ]; then echo "output bytes:$obtenu"; echo "expected:$attendu"; exit 1; fi
echo "ok"
