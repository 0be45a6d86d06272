#!/bin/bash
# The real window on an X display, driven with real events:
#   bureau_fenetre.sh EXECUTABLE
# 1. It grows: enlarged by 300 x 200 pixels, the definition pane grows by as
#    much both ways, the list by 200 in height only, "conjugaison" moves 300
#    to the right and the help button 300 right and 200 down (the program
#    writes the layout to $VOCALIA_SONDE_TAILLES after each resizing).
# 2. It remembers: closed and started again, it opens at the enlarged size
#    with the pane as large, from the file it wrote in $XDG_CONFIG_HOME/vocalia.
# 3. The keys: Alt+Left and Alt+Right walk the history, Ctrl+L then typing
#    replaces the word box's text, Ctrl+F lists the definitions holding it,
#    Escape empties the word box, and a second Escape closes the window.
# The fixture's words: maison, chat, porte ("Petit" starts two definitions).
set -u
executable=$1
. "$(dirname "$0")/session_bureau.sh"
export VOCALIA_SONDE_TAILLES=$dossier/tailles.txt

demarrer() {
    rm -f "$VOCALIA_SONDE_TAILLES" "$VOCALIA_SONDE"
    lancer_fenetre
    activer_fenetre
    attendre '[ -f "$VOCALIA_SONDE_TAILLES" ]' || echec "no layout written"
}
# champ ID COLUMN: a field of a control's line "id x y width height" (columns 2..5).
champ() { awk -v id="$1" -v c="$2" '$1 == id { print $c }' "$VOCALIA_SONDE_TAILLES"; }
taille_fenetre() { awk '$1 == "fenetre" { print $2 "x" $3 }' "$VOCALIA_SONDE_TAILLES"; }

# --- 1. it grows ---
demarrer
initiale=$(taille_fenetre)
largeur=${initiale%x*}
hauteur=${initiale#*x}
pane_l=$(champ 47304 4); pane_h=$(champ 47304 5)
liste_l=$(champ 47303 4); liste_h=$(champ 47303 5)
conj_x=$(champ 1012 2); aide_x=$(champ 1015 2); aide_y=$(champ 1015 3)
echo "initial: window $initiale, pane ${pane_l}x${pane_h}, list ${liste_l}x${liste_h}"
[ -n "$pane_l" ] && [ -n "$liste_h" ] && [ -n "$conj_x" ] && [ -n "$aide_y" ] || echec "layout incomplete: $(cat "$VOCALIA_SONDE_TAILLES")"

grande_l=$((largeur + 300)); grande_h=$((hauteur + 200))
xdotool windowsize "$fenetre" "$grande_l" "$grande_h"
attendre '[ "$(taille_fenetre)" = "${grande_l}x${grande_h}" ]' || echec "window not resized: $(taille_fenetre)"
echo "enlarged: window $(taille_fenetre), pane $(champ 47304 4)x$(champ 47304 5), list $(champ 47303 4)x$(champ 47303 5)"
[ "$(champ 47304 4)" -eq $((pane_l + 300)) ] || echec "pane width $(champ 47304 4)"
[ "$(champ 47304 5)" -eq $((pane_h + 200)) ] || echec "pane height $(champ 47304 5)"
[ "$(champ 47303 4)" -eq "$liste_l" ] || echec "list width $(champ 47303 4)"
[ "$(champ 47303 5)" -eq $((liste_h + 200)) ] || echec "list height $(champ 47303 5)"
[ "$(champ 1012 2)" -eq $((conj_x + 300)) ] || echec "conjugaison at x $(champ 1012 2)"
[ "$(champ 1015 2)" -eq $((aide_x + 300)) ] && [ "$(champ 1015 3)" -eq $((aide_y + 200)) ] ||
    echec "help button at $(champ 1015 2),$(champ 1015 3)"
if [ -n "${VOCALIA_CAPTURE:-}" ]; then
    xdotool type --delay 30 maison; xdotool key Return
    attendre 'grep -qF "NOM" "$VOCALIA_SONDE" 2>/dev/null'
    import -window root "$VOCALIA_CAPTURE" || echo "screenshot failed"
fi
fermer_fenetre
grep -qx "taille $grande_l $grande_h" "$XDG_CONFIG_HOME/vocalia/fenetre-principale.txt" ||
    echec "size not remembered: $(cat "$XDG_CONFIG_HOME/vocalia/fenetre-principale.txt" 2>/dev/null)"

# --- 2. it remembers ---
demarrer
attendre '[ "$(taille_fenetre)" = "${grande_l}x${grande_h}" ]' || echec "restarted at $(taille_fenetre)"
geometrie=$(xdotool getwindowgeometry "$fenetre" | awk '/Geometry/ { print $2 }')
[ "$geometrie" = "${grande_l}x${grande_h}" ] || echec "X window is $geometrie"
[ "$(champ 47304 4)" -eq $((pane_l + 300)) ] && [ "$(champ 47304 5)" -eq $((pane_h + 200)) ] ||
    echec "pane after restart $(champ 47304 4)x$(champ 47304 5)"
echo "restarted: window $geometrie, pane $(champ 47304 4)x$(champ 47304 5)"

# --- 3. the keys ---
for mot in chat porte maison; do
    xdotool key ctrl+l
    xdotool type --delay 30 "$mot"
    xdotool key Return
done
attendre 'grep -qF "Bâtiment" "$VOCALIA_SONDE" 2>/dev/null' || echec "maison not shown"
xdotool key alt+Left
attendre 'grep -qF "Ouverture d'"'"'un mur" "$VOCALIA_SONDE"' || echec "Alt+Left did not show porte: $(cat "$VOCALIA_SONDE")"
xdotool key alt+Left
attendre 'grep -qF "Petit félin" "$VOCALIA_SONDE"' || echec "Alt+Left did not show chat"
xdotool key alt+Right
attendre 'grep -qF "Ouverture d'"'"'un mur" "$VOCALIA_SONDE"' || echec "Alt+Right did not show porte"
echo "Alt+Left, Alt+Left, Alt+Right: porte, chat, porte"
# Ctrl+F clears the pane and lists the definitions that hold the word box's text.
xdotool key ctrl+l
xdotool type --delay 30 Petit
xdotool key ctrl+f
attendre '[ ! -s "$VOCALIA_SONDE" ]' || echec "Ctrl+F did not run the full-text search: $(cat "$VOCALIA_SONDE")"
echo "Ctrl+F: pane cleared by the full-text search"
# One Escape empties the word box (focus still there): typed after it, "maison" is found.
xdotool key Escape
xdotool type --delay 30 maison
xdotool key Return
attendre 'grep -qF "Bâtiment" "$VOCALIA_SONDE"' || echec "Escape did not empty the word box"
echo "Escape: word box emptied"
fermer_fenetre
echo "ok"
