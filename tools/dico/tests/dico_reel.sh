#!/bin/bash
# vocalia-dico on the real data, as a terminal user calls it: a table of
# cases, each with its exit status, its standard error and what its standard
# output must (and must not) hold.
#   dico_reel.sh VOCALIA_DICO
set -u
dico=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
mkdir -p "$dossier/courant" "$dossier/maison" "$dossier/odbc" "$dossier/tmp"
cd "$dossier/courant"  # nothing may appear here
# No display, and no ODBC driver registered anywhere.
unset DISPLAY WAYLAND_DISPLAY
export HOME=$dossier/maison XDG_DATA_HOME=$dossier/maison/donnees TMPDIR=$dossier/tmp
export ODBCSYSINI=$dossier/odbc ODBCINSTINI=odbcinst.ini ODBCINI=$dossier/odbc/odbc.ini
export LC_ALL=C.UTF-8

echecs=0
nombre=0
# cas CODE ERREURS SORTIE_CONTIENT SORTIE_SANS -- ARGUMENTS...
#   ERREURS: standard error, whole (a leading ~ makes it an extended regex)
#   SORTIE_CONTIENT / SORTIE_SANS: a line (extended regex) that standard
#   output must have / must not have; empty: no condition ("vide": no output)
cas() {
  local code=$1 erreurs=$2 contient=$3 sans=$4
  shift 5
  nombre=$((nombre + 1))
  "$dico" "$@" > "$dossier/sortie" 2> "$dossier/erreurs"
  local obtenu=$?
  local probleme=""
  [ "$obtenu" -eq "$code" ] || probleme+=" code $obtenu au lieu de $code;"
  if [ "${erreurs:0:1}" = "~" ]; then
    grep -Eq -- "${erreurs:1}" "$dossier/erreurs" || probleme+=" sortie d'erreur;"
  else
    [ "$(cat "$dossier/erreurs")" = "$erreurs" ] || probleme+=" sortie d'erreur;"
  fi
  if [ "$contient" = "vide" ]; then
    [ ! -s "$dossier/sortie" ] || probleme+=" sortie non vide;"
  elif [ -n "$contient" ]; then
    grep -Eq -- "$contient" "$dossier/sortie" || probleme+=" sortie sans « $contient »;"
  fi
  [ -z "$sans" ] || ! grep -Eq -- "$sans" "$dossier/sortie" || probleme+=" sortie avec « $sans »;"
  if [ -n "$probleme" ]; then
    echecs=$((echecs + 1))
    echo "ECHEC [$*]:$probleme"
    echo "  erreurs: $(head -3 "$dossier/erreurs")"
    echo "  sortie:  $(head -3 "$dossier/sortie")"
  fi
}

logis='^- Bâtiment servant de logis\.$'
# found, inflected, forgiven
cas 0 ''                                 "$logis" '' -- maison
cas 0 '« maisons » → maison'             "$logis" '' -- maisons
cas 0 '«   maison	 » → maison'          "$logis" '' -- '  maison	'
cas 0 "« maison' » → maison"              "$logis" '' -- "maison'"
cas 0 '« (maison), » → maison'            "$logis" '' -- '(maison),'
cas 0 '« Maison » → maison'              "$logis" '' -- Maison
cas 0 '« ÉTAT » → état'                  '^- Manière d.être, fixe et durable\.$' '' -- ÉTAT
cas 0 '« ete » → été'                    '^NOM masculin \(é-té\)' '' -- ete
cas 0 '« l'"'"'acrimonie » → acrimonie'  '^- Qualité de ce qui exerce' '' -- "l'acrimonie"
cas 0 '« l’acrimonie » → acrimonie'      '^- Qualité de ce qui exerce' '' -- 'l’acrimonie'
cas 0 ''                                 '^LOCUTION ADVERBIALE' '' -- "d'abord"
cas 0 '« d’abord » → d'"'"'abord'        '^LOCUTION ADVERBIALE' '' -- 'd’abord'
cas 0 ''                                 '^- L.organe de la vue\.' '' -- œil
cas 0 '« oeil » → œil'                   '^- L.organe de la vue\.' '' -- oeil
cas 0 '« OEIL » → œil'                   '^- L.organe de la vue\.' '' -- OEIL
# not found, with the approximate words
cas 1 '~^introuvable : maisson$'         vide '' -- maisson
cas 1 '~^mots approchés : maison(, [^,]+){0,9}$' vide '' -- maisson
cas 1 'introuvable : xqzwxqzwxq'         vide '' -- xqzwxqzwxq
# options of the articles
cas 0 ''  '^ETYMOLOGIE: Wallon, mohon'   '' -- --etymologie maison
cas 0 ''  '^pluriel : maisons$'          '' -- --flexions maison
cas 0 ''  '^SYNONYMES:$'                 '' -- --synonymes maison
cas 0 ''  "$logis"                       '^ANTONYMES:' -- --antonymes maison
cas 0 ''  '^ETYMOLOGIE:'                 '' -- --tout maison
cas 0 ''  '^SYNONYMES:$'                 '' -- --tout maison
cas 0 ''  '^- \(familier\) Faire maison nette' '' -- maison
cas 0 ''  "$logis"                       '\(familier\) Faire maison nette' -- --sans-argot maison
cas 0 ''  '^- \(rare\) Faire état de'    '' -- état
cas 0 ''  '^- Manière d.être'            '\(rare\) Faire état de' -- --sans-vieilli état
cas 0 ''  '^- Commune française du département de la Somme' '' -- Amiens
cas 1 '~^introuvable : Amiens$'          vide '' -- --sans-villes Amiens
# the other searches
cas 0 ''  '^philosophie$'                '' -- --approches filosofie
cas 1 'Aucun mot approché n'"'"'a été trouvé' vide '' -- --approches xqzwxqzwxq
cas 0 ''  '^nous aimons +nous aimions'   '' -- --conjugaison aimer
cas 0 '« aimons » → aimer' '^nous aimons' '' -- --conjugaison aimons
cas 1 'La conjugaison de [xqzwxqzwxq] ne peut pas être affichée' vide '' -- --conjugaison xqzwxqzwxq
cas 0 ''  '^maison$'                     '' -- --plein-texte 'servant de logis'
cas 1 'aucun sens ne contient « asile en la maison du mort »' vide '' -- --plein-texte 'asile en la maison du mort'
cas 0 ''  '^maison$'                     '' -- --plein-texte --exemples 'asile en la maison du mort'
cas 0 ''  '^> maison$'                   '' -- --liste maison
cas 0 '« maisons » → maison' '^> maison$' '' -- --liste maisons
cas 0 '« amiens » → Amiens' '^> Amiens$' '' -- --liste amiens
cas 0 '« fra » n'"'"'est pas une entrée ; la plus proche : frac' '^> frac$' '' -- --liste fra
# each article after a line with its headword: homographs told apart
cas 0 ''  '^partir$'                     '' -- partir
nombre=$((nombre + 1))
[ "$("$dico" partir | grep -cx partir)" -ge 2 ] || { echecs=$((echecs + 1)); echo "ECHEC: partir sans ligne par article"; }
nombre=$((nombre + 1))
[ "$("$dico" gentil | grep -cx gentil)" -ge 2 ] || { echecs=$((echecs + 1)); echo "ECHEC: gentil sans ligne par article"; }
# input that is no French text: refused, the fault named
cas 2 '~^vocalia-dico : le mot n.est pas en UTF-8 \(octet 0xFF, caractère 1\)$' vide '' -- "$(printf '\xff\xfe')"
cas 2 '~^vocalia-dico : le mot contient un caractère de commande \(U\+000A, caractère 4\)$' vide '' -- "$(printf 'eau\npain')"
cas 2 '~^vocalia-dico : le mot contient un caractère de commande \(U\+0001, caractère 4\)$' vide '' -- "$(printf 'eau\001')"
cas 2 '~^vocalia-dico : le mot contient « 😀 » \(U\+1F600, caractère 1\), un caractère que' vide '' -- 😀
cas 2 '~« 😀 »'                           vide '' -- --conjugaison 😀
# usage
cas 0 ''  '^usage : vocalia-dico'        '' -- --help
cas 2 '~^vocalia-dico : il manque le mot$' vide '' --
cas 2 '~option inconnue : --bidon'       vide '' -- --bidon maison
cas 2 '~une seule des options'           vide '' -- --liste --approches maison
cas 2 '~--exemples ne va qu.avec --plein-texte' vide '' -- --exemples maison

# Folded to the terminal's width when the output is one.
script -qec "stty cols 50; \"$dico\" état" /dev/null > "$dossier/terminal" 2>&1
nombre=$((nombre + 1))
if ! grep -q 'Manière' "$dossier/terminal" || [ "$(tr -d '\r' < "$dossier/terminal" | wc -L)" -gt 50 ]; then
  echecs=$((echecs + 1)); echo "ECHEC: repli à 50 colonnes"; head -5 "$dossier/terminal"
fi
# Not folded into a pipe: the long pronunciation line of « état » stays whole.
nombre=$((nombre + 1))
[ "$("$dico" état | wc -L)" -gt 200 ] ||
  { echecs=$((echecs + 1)); echo "ECHEC: repli hors terminal"; }

# It wrote no file where it ran, and none in the home folder but the conjugation copy.
nombre=$((nombre + 1))
[ -z "$(ls -A "$dossier/courant")" ] || { echecs=$((echecs + 1)); echo "ECHEC: fichier créé : $(ls -A "$dossier/courant")"; }

echo "$((nombre - echecs))/$nombre cas"
[ "$echecs" -eq 0 ]
