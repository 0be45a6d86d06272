#!/bin/bash
# One window per user, on an X display, with the real program:
#   bureau_instance.sh EXECUTABLE
# 1. The terminal's answers: --help and --version without a display, an
#    unknown option a usage error (exit 2).
# 2. `vocalia maison` opens the window on maison; a second `vocalia Chat`
#    hands its word to that window (the forgiving lookup finds chat) and
#    exits 0 while the first one goes on, alone on the screen.
# 3. `vocalia --selection` looks up the primary selection's first word or
#    locution (set with xsel), else the clipboard's text (set with xclip),
#    in the running window, and also as the first window.
# 4. Escape closes it with code 0 and the socket is gone.
# The fixture's words: maison, chat, porte, porte-monnaie. With
# VOCALIA_CAPTURE naming a folder, screenshots are saved there.
set -u
executable=$1
. "$(dirname "$0")/session_bureau.sh"
# The window's socket lives here, away from any other window of this user.
export XDG_RUNTIME_DIR=$dossier/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

capturer() { [ -z "${VOCALIA_CAPTURE:-}" ] || import -window root "$VOCALIA_CAPTURE/$1.png" || echo "screenshot failed"; }

# 1. the terminal alone
sortie=$(env -u DISPLAY -u WAYLAND_DISPLAY "$executable" --help) || echec "--help exit $?"
[[ $sortie == "usage : vocalia [MOT | --selection]"* ]] || echec "--help: $sortie"
sortie=$(env -u DISPLAY -u WAYLAND_DISPLAY "$executable" --version) || echec "--version exit $?"
[[ $sortie == "vocalia "* ]] || echec "--version: $sortie"
env -u DISPLAY "$executable" --bidon > /dev/null 2> "$dossier/erreurs"
code=$?
[ "$code" -eq 2 ] && grep -q '^vocalia : option inconnue : --bidon$' "$dossier/erreurs" || echec "--bidon: $code $(cat "$dossier/erreurs")"

# 2. the first window, then a second process
lancer_fenetre maison
attendre 'montre "- Bâtiment servant d'"'"'habitation."' || echec "vocalia maison did not show maison"
ls "$XDG_RUNTIME_DIR"/vocalia/fenetre-* > /dev/null 2>&1 || echec "no socket in $XDG_RUNTIME_DIR/vocalia"

# The time is printed for the record (polled every 10 ms), not checked.
debut=$(date +%s%N)
"$executable" Chat > "$dossier/second.txt" 2>&1 || echec "the second process exited $?: $(cat "$dossier/second.txt")"
rendu=$(date +%s%N)
for i in $(seq 3000); do montre "- Petit félin domestique" && break; sleep 0.01; done
montre "- Petit félin domestique" || echec "the window did not show chat"
fin=$(date +%s%N)
echo "vocalia Chat: handed over in $(((rendu - debut) / 1000000)) ms, article shown after $(((fin - debut) / 1000000)) ms"
kill -0 "$pid" 2>/dev/null || echec "the first window ended"
[ "$(xdotool search --name '^Vocalia \+$' 2>/dev/null | wc -l)" -eq 1 ] || echec "more than one window"
[ ! -s "$dossier/second.txt" ] || echec "the second process wrote: $(cat "$dossier/second.txt")"

# 3. the selection: primary first, then the clipboard; the window must not
# hold the primary selection itself, so the focus goes to the list first.
printf '  porte-monnaie en cuir\n' | xsel --primary --input
"$executable" --selection || echec "--selection exited $?"
attendre 'montre "- Petit sac où l'"'"'on met la monnaie."' || echec "--selection did not show porte-monnaie"
capturer selection
xsel --primary --clear
printf 'porte' | xclip -selection clipboard
"$executable" --selection || echec "--selection (clipboard) exited $?"
attendre 'montre "- Ouverture d'"'"'un mur."' || echec "--selection did not show the clipboard's porte"

# The list follows the typing (seen on the screenshot: "porte-monnaie" selected).
activer_fenetre
xdotool key ctrl+l
xdotool type --delay 60 "porte-m"
sleep 0.5
montre "- Ouverture d'un mur." || echec "typing changed the article"
capturer liste_frappe

# 4. Escape closes; the socket goes with the window.
fermer_fenetre
! ls "$XDG_RUNTIME_DIR"/vocalia/fenetre-* > /dev/null 2>&1 || echec "the socket outlived the window"

# --selection as the first window.
rm -f "$VOCALIA_SONDE"
printf '« Maison » de campagne' | xsel --primary --input
lancer_fenetre --selection
attendre 'montre "- Bâtiment servant d'"'"'habitation."' || echec "--selection at start-up did not show maison"
activer_fenetre
fermer_fenetre
xsel --primary --clear
xsel --clipboard --clear
echo ok
