#!/bin/bash
# The main window on the real data, through the script driver, as a new user
# meets it: each case is a short script and what its "montrer" must show.
#   fenetre_reelle.sh VOCALIA_SCRIPT
set -u
script=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
cd "$dossier"
export XDG_DATA_HOME=$dossier/donnees TMPDIR=$dossier

echecs=0
# cas NAME SCRIPT EXPECTED_LINE... : every expected line (a whole line of the
# output, or "!" then a line that must not be there) must hold.
cas() {
    local nom=$1 commandes=$2
    shift 2
    local sortie
    sortie=$(printf '%b' "$commandes" | "$script" 2>&1)
    local attendu
    for attendu in "$@"; do
        if [ "${attendu:0:1}" = "!" ]; then
            if grep -qxF -- "${attendu:1}" <<<"$sortie"; then echo "ECHEC $nom: unexpected '${attendu:1}'"; echecs=$((echecs + 1)); fi
        elif ! grep -qxF -- "$attendu" <<<"$sortie"; then
            echo "ECHEC $nom: missing '$attendu'"
            grep -E '^(mot_choisi|mot|selection|conjugaison|liste_type|fenetre|message)' <<<"$sortie" | cut -c1-200
            echecs=$((echecs + 1))
        fi
    done
    echo "$nom: done"
}

# A word far down a long article (byte 43998 of "œil" is in "personnes").
cas double_clic_long 'saisir oeil\ncliquer 1013\ndoubleclic 43998\nmontrer\n' 'mot_choisi=personne'
# "conjugaison" after an inflected form opens the displayed verb.
cas conjugaison_forme 'saisir aimons\ncliquer 1013\nmontrer\ncliquer 1012\n' \
    'mot_choisi=aimer' 'conjugaison=1' 'fenetre: ZephJugaison - VERBE aimer'
# "conjugaison" on the word typed, before anything is shown; an inflected
# form gives its verb; a word that is none gives the warning with the very
# bytes typed.
cas conjugaison_tapee 'saisir finir\ncliquer 1012\n' 'fenetre: ZephJugaison - VERBE finir'
cas conjugaison_tapee_forme 'saisir aimons\ncliquer 1012\n' 'fenetre: ZephJugaison - VERBE aimer'
cas conjugaison_tapee_apres_nom 'saisir maison\ncliquer 1013\nsaisir finissons\ncliquer 1012\n' \
    'fenetre: ZephJugaison - VERBE finir'
cas conjugaison_capitale 'saisir Aimer\ncliquer 1012\n' \
    'message: Zeph | La conjugaison de [Aimer] ne peut pas être affichée'
cas conjugaison_vide 'cliquer 1012\n' 'message: Zeph | La conjugaison de [] ne peut pas être affichée'
# What people type: the forgiving forms, the word found in the box, the label and the history.
cas pardon_capitale 'saisir Maison\ncliquer 1013\nmontrer\n' 'mot_choisi=maison' 'mot=maison' 'conjugaison=0'
cas pardon_majuscules 'saisir ÉTÉ\ncliquer 1013\nmontrer\n' 'mot_choisi=été' 'mot=été'
cas pardon_accents 'saisir ete\ncliquer 1013\nmontrer\n' 'mot_choisi=été' 'mot=été'
cas pardon_elision 'saisir l’abri\ncliquer 1013\nmontrer\n' 'mot_choisi=abri' 'mot=abri'
cas pardon_historique 'saisir Tristesse\ncliquer 1013\ncliquer 1019\nmontrer\n' 'liste=tristesse' 'mot_choisi=tristesse'
# The list follows the typing: the nearest headword selected, the pane unchanged.
cas liste_frappe 'saisir maison\ncliquer 1013\nsaisir fra\nmontrer\n' 'mot_choisi=maison' 'mot=fra'
sortie=$(printf 'saisir fra\nmontrer\n' | "$script" 2>&1)
ligne=$(grep '^selection=' <<<"$sortie" | cut -d= -f2)
choisi=$(grep '^liste=' <<<"$sortie" | cut -d= -f2- | tr '|' '\n' | sed -n "$((ligne + 1))p")
[ "$choisi" = frac ] || { echo "ECHEC liste_frappe: « $choisi » selected for fra"; echecs=$((echecs + 1)); }
# With "argot" checked, the first word the list shows is shown and selected.
sortie=$(printf 'cliquer 1018\nsaisir pognom\ncliquer 1031\nmontrer\n' | "$script" 2>&1)
premier=$(grep '^liste=' <<<"$sortie" | head -1 | cut -d= -f2- | cut -d'|' -f1)
cas approches_filtres 'cliquer 1018\nsaisir pognom\ncliquer 1031\nmontrer\n' \
    'liste_type=Approchés' 'selection=0' "mot_choisi=$premier" '!mot_choisi=' '!mot_choisi=pognon'
# "<=" after looking up the last word again.
cas historique 'saisir chat\ncliquer 1013\nsaisir chien\ncliquer 1013\nsaisir maison\ncliquer 1013\ncliquer 1010\nsaisir maison\ncliquer 1013\ncliquer 1010\nmontrer\n' \
    'mot_choisi=chien'
# The ligatures: not the pronoun "il", not words sharing only "c..r".
cas approches_oeil 'saisir œil\ncliquer 1031\nmontrer\n' 'liste_type=Approchés' '!liste=il' '!mot_choisi=il'
sortie=$(printf 'saisir œil\ncliquer 1031\nmontrer\n' | "$script" 2>&1)
grep '^liste=' <<<"$sortie" | tr '|' '\n' | sed 's/^liste=//' | grep -qx 'il' && { echo "ECHEC: il among œil's approximations"; echecs=$((echecs + 1)); }
# The headword is spelt cœur: typed without the ligature, it is still among the first.
sortie=$(printf 'saisir coeur\ncliquer 1031\nmontrer\n' | "$script" 2>&1)
grep '^liste=' <<<"$sortie" | tr '|' '\n' | sed 's/^liste=//' | head -5 | grep -qx 'cœur' ||
    { echo "ECHEC: cœur not among coeur's first approximations: $(grep '^liste=' <<<"$sortie" | cut -c1-120)"; echecs=$((echecs + 1)); }
# The word list files "œcuménisme" among the o's, not before "a".
sortie=$(printf 'saisir a\ncliquer 1013\nmontrer\n' | "$script" 2>&1)
grep '^liste=' <<<"$sortie" | grep -q 'œ' && { echo "ECHEC: a ligature word beside \"a\""; echecs=$((echecs + 1)); }
sortie=$(printf 'saisir œcuménisme\ncliquer 1013\nmontrer\n' | "$script" 2>&1)
grep '^liste=' <<<"$sortie" | tr '|' '\n' | sed 's/^liste=//' | grep -v '^$' | grep -qv '^\(o\|O\|œ\|Œ\)' &&
    { echo "ECHEC: œcuménisme's neighbours: $(grep '^liste=' <<<"$sortie" | cut -c1-120)"; echecs=$((echecs + 1)); }
# The help window names the data once, with every source the build took in.
sortie=$(printf 'cliquer 1015\n' | "$script" 2>&1)
entete=$(sed -n '3p' <<<"$sortie")  # after "fenetre: ..." and "<<"
[ "$(grep -o 'Littré (' <<<"$entete" | wc -l)" -eq 1 ] || { echo "ECHEC: help header $entete"; echecs=$((echecs + 1)); }
grep -q '^Données Littré (XMLittré' <<<"$entete" || { echo "ECHEC: help header $entete"; echecs=$((echecs + 1)); }
echo "help: $entete"

[ "$echecs" -eq 0 ] || { echo "$echecs failure(s)"; exit 1; }
echo ok
