# What the desktop scripts share, sourced by them: a private folder for the
# probe files and the settings, waiting on a condition, starting the program
# and finding its window, and closing it with the keyboard. The sourcing
# script sets `executable` and defines echec MESSAGE (print, then exit 1).
dossier=$(mktemp -d)
pid=""
fenetre=""
trap 'rm -rf "$dossier"; [ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT
export VOCALIA_SONDE=$dossier/panneau.txt
export XDG_CONFIG_HOME=$dossier/config  # the remembered window size stays in the test folder
export ASAN_OPTIONS=detect_leaks=0  # the toolkit's own allocations outlive main

# Waits (polling, at most about 60 s) for a condition; not a speed measure.
attendre() {
    local i
    for i in $(seq 300); do
        if eval "$1"; then return 0; fi
        sleep 0.2
    done
    return 1
}

trouver_fenetre() { fenetre=$(xdotool search --name '^Vocalia \+$' 2>/dev/null | head -1); [ -n "$fenetre" ]; }

# Starts the program in the background and gives its main window the focus.
demarrer_fenetre() {
    "$executable" > "$dossier/sortie.txt" 2>&1 &
    pid=$!
    attendre trouver_fenetre || echec "the main window did not appear"
    xdotool windowactivate --sync "$fenetre" 2>/dev/null || xdotool windowfocus --sync "$fenetre"
}

# The first Escape empties the word box when it has the focus and holds
# text; the next one closes. The program must then end with code 0.
fermer() {
    xdotool key Escape Escape
    attendre '! kill -0 "$pid" 2>/dev/null' || echec "Escape did not close the window"
    wait "$pid"
    local code=$?
    pid=""
    [ "$code" -eq 0 ] || echec "exit code $code"
}
