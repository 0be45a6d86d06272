#!/bin/bash
# The Debian package: CPack builds it from the Release build, lintian finds
# no error in it, its dependencies are declared, and its terminal command
# works from the extracted tree with no ODBC driver registered anywhere.
#   paquet.sh BUILD_DIR
set -u
build=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
echec() { echo "ECHEC: $*"; exit 1; }

(cd "$dossier" && cpack --config "$build/CPackConfig.cmake" -B "$dossier/paquets") > "$dossier/cpack.log" 2>&1 ||
  { cat "$dossier/cpack.log"; echec "cpack"; }
deb=$(ls "$dossier"/paquets/vocalia_*_amd64.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { cat "$dossier/cpack.log"; echec "pas de vocalia_<version>_amd64.deb"; }

lintian --fail-on error --no-tag-display-limit "$deb" > "$dossier/lintian.txt" 2>&1 || { cat "$dossier/lintian.txt"; echec "lintian"; }
grep '^E:' "$dossier/lintian.txt" && echec "erreurs lintian"

dependances=$(dpkg-deb -f "$deb" Depends)
for paquet in libwxgtk3.2 libodbc libsqliteodbc libssl3 zlib1g libzstd1; do
  grep -q "$paquet" <<<"$dependances" || echec "dépendance $paquet absente : $dependances"
done

# The data is carried once, by the shared library both commands read.
taille=$(stat -c %s "$deb")
[ "$taille" -le 45000000 ] || echec "paquet de $taille octets, plus de 45 Mo"

dpkg-deb -x "$deb" "$dossier/racine" || echec "dpkg-deb -x"
dico=$dossier/racine/usr/bin/vocalia-dico
[ -x "$dico" ] && [ -x "$dossier/racine/usr/bin/vocalia" ] || echec "commandes absentes du paquet"

mkdir -p "$dossier/odbc" "$dossier/maison" "$dossier/tmp"
export ODBCSYSINI=$dossier/odbc ODBCINSTINI=odbcinst.ini ODBCINI=$dossier/odbc/odbc.ini
export HOME=$dossier/maison XDG_DATA_HOME=$dossier/maison/donnees TMPDIR=$dossier/tmp
sortie=$("$dico" maison) || echec "vocalia-dico maison : code $?"
grep -q '^- Bâtiment servant de logis' <<<"$sortie" || echec "article de maison : $(head -5 <<<"$sortie")"
conjugaison=$("$dico" --conjugaison aimer) || echec "vocalia-dico --conjugaison aimer : code $?"
grep -q 'aimons' <<<"$conjugaison" || echec "conjugaison d'aimer : $(head -5 <<<"$conjugaison")"
echo "ok: $(basename "$deb") $(du -k "$deb" | cut -f1) Kio, $(grep -c . "$dossier/lintian.txt") lignes lintian"
