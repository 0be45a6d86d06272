# Sourced by the desktop tests after they set $executable: a test folder that
# goes with the test, the window's probe file in it, and the steps every
# test takes with the real window (start it, find it, focus it, close it).
# The X server itself is xvfb-run's, one per test (see CMakeLists.txt).
dossier=$(mktemp -d)
pid=""
fenetre=""
trap 'rm -rf "$dossier"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT
export VOCALIA_SONDE=$dossier/panneau.txt
export XDG_CONFIG_HOME=$dossier/config  # the remembered window size stays in the test folder
export ASAN_OPTIONS=detect_leaks=0  # the toolkit's own allocations outlive main

echec() { echo "ECHEC: $*"; cat "$dossier/sortie.txt" 2>/dev/null; exit 1; }

# Waits (polling, at most about 60 s) for a condition; not a speed measure.
attendre() {
    local i
    for i in $(seq 300); do
        if eval "$1"; then return 0; fi
        sleep 0.2
    done
    return 1
}

# The pane's text as the window last wrote it holds TEXT.
montre() { [ -f "$VOCALIA_SONDE" ] && grep -qF -- "$1" "$VOCALIA_SONDE"; }

trouver_fenetre() { fenetre=$(xdotool search --name '^Vocalia \+$' 2>/dev/null | head -1); [ -n "$fenetre" ]; }
activer_fenetre() { xdotool windowactivate --sync "$fenetre" 2>/dev/null || xdotool windowfocus --sync "$fenetre"; }
termine() { ! kill -0 "$pid" 2>/dev/null; }

# lancer_fenetre [ARGUMENT...]: the program in the background, its output in
# the test folder, until its main window is on the screen.
lancer_fenetre() {
    "$executable" "$@" > "$dossier/sortie.txt" 2>&1 &
    pid=$!
    attendre trouver_fenetre || echec "the main window did not appear"
}

# The first Escape empties a word box that has the focus and holds text; the
# next one closes the window, which must end the program with code 0.
fermer_fenetre() {
    xdotool key Escape Escape
    attendre termine || echec "Escape did not close the window"
    wait "$pid"
    local code=$?
    pid=""
    [ "$code" -eq 0 ] || echec "exit code $code"
}
