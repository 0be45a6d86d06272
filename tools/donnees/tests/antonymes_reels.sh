#!/bin/bash
# The antonyms of the real data, through the script driver:
#   antonymes_reels.sh VOCALIA_SCRIPT
# "grand" shows no antonym while "antonymes" is unticked; once ticked, its
# article ends with "ANTONYMES:" and a line that lists "petit", and "petit"
# lists "grand" back.
set -u
script=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
cd "$dossier"
export XDG_DATA_HOME=$dossier/donnees

"$script" > sortie.txt 2> erreurs.txt <<'FIN'
saisir grand
cliquer 1013
montrer
cliquer 1023
saisir grand
cliquer 1013
montrer
saisir petit
cliquer 1013
montrer
FIN
code=$?

echec() { echo "ECHEC: $*"; cat sortie.txt erreurs.txt; exit 1; }
[ "$code" -eq 0 ] || echec "code de sortie $code"

bloc() { awk -v n="$1" '/^liste_type=/{k++} k==n' sortie.txt; }
# The line after "ANTONYMES:" in a definition, one word a line.
antonymes() { bloc "$1" | awk '/^ANTONYMES:$/{getline; print; exit}' | sed 's/, /\n/g'; }

grep -qx 'mot_choisi=grand' <<<"$(bloc 1)" || echec "grand non trouvé"
grep -qx 'ANTONYMES:' <<<"$(bloc 1)" && echec "antonymes montrés sans la case"
grep -qx 'petit' <<<"$(antonymes 2)" || echec "petit absent des antonymes de grand : $(antonymes 2 | tr '\n' ' ')"
grep -qx 'grand' <<<"$(antonymes 3)" || echec "grand absent des antonymes de petit : $(antonymes 3 | tr '\n' ' ')"
echo "ok: grand -> $(antonymes 2 | tr '\n' ' ')"
