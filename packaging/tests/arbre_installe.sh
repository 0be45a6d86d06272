#!/bin/bash
# The install tree: `cmake --install` of the build into a temporary DESTDIR
# puts every file in place, and the desktop validators accept them.
#   arbre_installe.sh BUILD_DIR PREFIX LIBDIR
set -u
build=$1
prefixe=$2
# lib/x86_64-linux-gnu under /usr, lib elsewhere, as GNUInstallDirs chooses.
bibliotheques=$3
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
echec() { echo "ECHEC: $*"; exit 1; }

DESTDIR=$dossier/racine cmake --install "$build" > "$dossier/install.log" 2>&1 || { cat "$dossier/install.log"; echec "cmake --install"; }
racine=$dossier/racine$prefixe

attendus=(
  bin/vocalia-dico
  "$bibliotheques/vocalia/libvocalia-donnees.so"
  share/applications/vocalia.desktop
  share/icons/hicolor/scalable/apps/vocalia.svg
  share/metainfo/fr.vocalia.Vocalia.metainfo.xml
  share/man/man1/vocalia.1.gz
  share/man/man1/vocalia-dico.1.gz
  share/vocalia/vocalia-licences.html
  share/doc/vocalia/copyright
  share/doc/vocalia/changelog.gz
)
[ -n "${VOCALIA_SANS_FENETRE:-}" ] || attendus+=(bin/vocalia)
for taille in 16 24 32 48 64 128 256; do attendus+=("share/icons/hicolor/${taille}x${taille}/apps/vocalia.png"); done
for f in "${attendus[@]}"; do [ -s "$racine/$f" ] || echec "absent : $f"; done
for commande in vocalia vocalia-dico; do
  [ -e "$racine/bin/$commande" ] && { [ -x "$racine/bin/$commande" ] || echec "$commande n'est pas exécutable"; }
done

# Each PNG is the size its folder says.
for taille in 16 24 32 48 64 128 256; do
  png=$racine/share/icons/hicolor/${taille}x${taille}/apps/vocalia.png
  dimensions=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dimensions" = "${taille}x${taille}" ] || echec "icône $taille : $dimensions"
done

bureau=$racine/share/applications/vocalia.desktop
desktop-file-validate "$bureau" || echec "desktop-file-validate"
appstreamcli validate --no-net "$racine/share/metainfo/fr.vocalia.Vocalia.metainfo.xml" || echec "appstreamcli validate"
# What the entry names is what was installed.
# The entry and each of its actions have an Exec line.
while read -r exec_; do
  [ -x "$racine/bin/$exec_" ] || [ -n "${VOCALIA_SANS_FENETRE:-}" ] || echec "Exec=$exec_ absent de bin/"
done < <(sed -n 's/^Exec=//p' "$bureau" | cut -d' ' -f1)
icone=$(sed -n 's/^Icon=//p' "$bureau")
[ -s "$racine/share/icons/hicolor/scalable/apps/$icone.svg" ] || echec "Icon=$icone absente"
grep -qx 'Categories=Office;Dictionary;' "$bureau" || echec "catégories"
grep -q '^Name\[fr\]=\|^GenericName\[fr\]=' "$bureau" && grep -q '^Comment\[fr\]=' "$bureau" || echec "nom et commentaire français"
grep -q '<launchable type="desktop-id">vocalia.desktop</launchable>' \
  "$racine/share/metainfo/fr.vocalia.Vocalia.metainfo.xml" || echec "launchable"

# The manual pages render without a groff warning, under their names.
for page in vocalia vocalia-dico; do
  rendu=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$racine/share/man/man1/$page.1.gz" 2>"$dossier/man.err")
  [ -s "$dossier/man.err" ] && { cat "$dossier/man.err"; echec "avertissements de man pour $page"; }
  grep -q "$page" <<<"$rendu" || echec "page $page vide"
done
# The terminal command's page documents every option its --help lists.
aide=$("$racine/bin/vocalia-dico" --help) || echec "vocalia-dico --help"
page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$racine/share/man/man1/vocalia-dico.1.gz" 2>/dev/null)
for option in $(grep -o -- '--[a-z-]*' <<<"$aide" | sort -u); do
  grep -q -- "$option" <<<"$page" || echec "option $option absente de la page de manuel"
done
echo "ok: ${#attendus[@]} fichiers"
