#!/bin/bash
# Drives the real window on an X display with real key events:
#   bureau.sh EXECUTABLE WORD EXPECTED_TEXT... [--bas EXPECTED_TEXT...]
# types WORD in the word box, presses Enter, reads the definition pane back
# (the program writes the widget's text to $VOCALIA_SONDE after each change)
# and checks that every EXPECTED_TEXT is in it. The texts after --bas are
# then expected once the focus is moved to the word list with the keyboard
# and the down arrow is pressed once. Escape (twice: the first empties a
# word box that has the focus) must then end the program with code 0. With VOCALIA_CAPTURE set, a screenshot of the whole
# screen is saved there once the word is shown.
set -u
executable=$1
mot=$2
shift 2
attendus=()
apres_bas=()
while [ $# -gt 0 ] && [ "$1" != "--bas" ]; do attendus+=("$1"); shift; done
[ $# -gt 0 ] && shift && apres_bas=("$@")

. "$(dirname "$0")/session_bureau.sh"

lancer_fenetre
activer_fenetre

xdotool type --delay 30 "$mot"
xdotool key Return

contient_tout() {
    [ -f "$VOCALIA_SONDE" ] || return 1
    local attendu
    for attendu in "${attendus[@]}"; do grep -qF -- "$attendu" "$VOCALIA_SONDE" || return 1; done
}
if ! attendre contient_tout; then
    echo "the definition pane does not show the expected text; it holds:"
    cat "$VOCALIA_SONDE" 2>/dev/null
    exit 1
fi
echo "definition pane:"
cat "$VOCALIA_SONDE"
echo

if ((${#apres_bas[@]})); then
    # The list is the tenth control in tab order after the word box (the
    # six top buttons, "effacer" disabled, the two top check boxes, the list).
    for i in 1 2 3 4 5 6 7 8 9; do xdotool key Tab; done
    xdotool key Down
    attendus=("${apres_bas[@]}")
    if ! attendre contient_tout; then
        echo "after the down arrow the definition pane holds:"
        cat "$VOCALIA_SONDE"
        exit 1
    fi
    echo "after the down arrow:"
    cat "$VOCALIA_SONDE"
    echo
fi

if [ -n "${VOCALIA_CAPTURE:-}" ]; then
    import -window root "$VOCALIA_CAPTURE" || echo "screenshot failed"
fi

fermer_fenetre
echo "ok"
