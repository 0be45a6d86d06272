#!/bin/bash
# The approximate search on the real data, through the script driver:
#   approches_reelles.sh VOCALIA_SCRIPT
# "filosofie" must list "philosophie" among the first five lines in the
# "Approchés" mode and show its article; a word that resembles nothing must
# bring the message box and leave the list as it was.
set -u
script=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
cd "$dossier"  # the lexicon's missing database must not appear here either
export XDG_DATA_HOME=$dossier/donnees

"$script" > sortie.txt 2> erreurs.txt <<'FIN'
saisir filosofie
cliquer 1031
montrer
saisir xqzwxqzwxq
cliquer 1031
montrer
FIN
code=$?

echec() { echo "ECHEC: $*"; cat sortie.txt erreurs.txt; exit 1; }
[ "$code" -eq 0 ] || echec "code de sortie $code"

premier_bloc=$(awk '/^liste_type=/{n++} n==1' sortie.txt)
second_bloc=$(awk '/^liste_type=/{n++} n==2' sortie.txt)

grep -qx 'liste_type=Approchés' <<<"$premier_bloc" || echec "mode de liste"
liste=$(grep '^liste=' <<<"$premier_bloc" | head -1 | cut -d= -f2-)
premiers=$(tr '|' '\n' <<<"$liste" | head -5)
grep -qx 'philosophie' <<<"$premiers" || echec "philosophie absent des premières lignes : $premiers"
premier=$(tr '|' '\n' <<<"$liste" | head -1)
grep -qx "mot_choisi=$premier" <<<"$premier_bloc" || echec "premier résultat non montré"
grep -qx 'mot=filosofie' <<<"$premier_bloc" || echec "mot tapé changé"
[ "$(grep -c . <<<"$(sed -n '/^definition<</,/^>>/p' <<<"$premier_bloc")")" -gt 2 ] || echec "article vide"

grep -qx 'message: Vocalia - recherche de mot approché | Aucun mot approché n'"'"'a été trouvé' sortie.txt ||
    echec "message absent"
grep -qx "liste=$liste" <<<"$second_bloc" || echec "liste changée"
grep -qx 'liste_type=Approchés' <<<"$second_bloc" || echec "mode changé"
grep -qx 'mot_choisi=' <<<"$second_bloc" || echec "mot choisi non effacé"
[ -z "$(ls -A "$dossier" | grep -v -e '^sortie.txt$' -e '^erreurs.txt$' -e '^donnees$')" ] || echec "fichier créé : $(ls -A "$dossier")"
echo "ok: $premiers" | tr '\n' ' '
echo
