#!/usr/bin/env bash
# Vocalia's one entry point on a Debian 12 machine.
#   ./vocalia.sh         install what is missing, build the data and the program, start it
#   ./vocalia.sh test    install what is missing, build everything, run the whole test suite
#                        (with the sanitizers, then in Release), and build the data with make -j2
#   ./vocalia.sh bench   build and print the benchmarks' figures
#   ./vocalia.sh paquet  build the Debian package vocalia_<version>_amd64.deb (Release, under /usr)
#   ./vocalia.sh fuzz [seconds [harness...]]
#                        build the parsers' libFuzzer harnesses (clang) and run each in turn (or
#                        those named), each up to 10 million executions or `seconds`
set -euo pipefail
cd "$(dirname "$0")"
action=${1:-lancer}

paquets=(
  build-essential cmake ninja-build pkg-config
  zlib1g-dev libzstd-dev libssl-dev libgtest-dev
  libwxgtk3.2-dev
  unixodbc unixodbc-dev libsqliteodbc sqlite3 libsqlite3-dev
  stardict-xmlittre mythes-fr hunspell-fr-comprehensive verbiste
  wordnet-base dict-freedict-fra-eng dict-freedict-eng-fra
  nodejs
  xvfb xauth xdotool imagemagick xsel xclip
  desktop-file-utils appstream lintian dpkg-dev file man-db
)

installer() {
  local manquants=()
  for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
  done
  if ((${#manquants[@]})); then
    echo "Installation : ${manquants[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
  fi
  # No ODBC registration: the program names the SQLite ODBC driver's library
  # (from libsqliteodbc, installed above) itself.
  command -v npm >/dev/null || { local sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq npm; }
  if [ -f tools/package.json ] && [ ! -d tools/node_modules ]; then
    (cd tools && npm ci --no-audit --no-fund --loglevel=error)
  fi
}

construire() {  # construire <dossier> <cible> [options cmake...]   (cible "all": everything)
  local dossier=$1 cible=$2; shift 2
  cmake -S . -B "$dossier" -G Ninja "$@" >/dev/null
  cmake --build "$dossier" --target "$cible"
}

# Each harness in turn (all, or those named after `duree`), one process, for
# `duree` seconds or 10 million executions, whichever comes first, from its seeds; the
# inputs it finds grow build/fuzz/fuzz/corpus/<harness>/, a crash lands in
# build/fuzz/fuzz/trouvailles/<harness>/ (it goes to fuzz/trouvailles/ with its fix).
lancer_fuzz() {
  local duree=$1 dossier=build/fuzz/fuzz echec=0
  shift
  local choisis=" $* "
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVOCALIA_FUZZ=ON -DVOCALIA_SANITIZE=ON -DVOCALIA_GUI=OFF -DVOCALIA_DONNEES_REELLES=OFF >/dev/null
  cmake --build build/fuzz --target fuzz_tout
  local nom graines g
  # A misspelt name would otherwise run nothing and still end in success.
  for nom in "$@"; do
    grep -q "^$nom " "$dossier/harnais.txt" ||
      { echo "harnais inconnu : $nom (voir $dossier/harnais.txt)" >&2; return 2; }
  done
  while read -r nom graines; do
    [ $# -eq 0 ] || [[ $choisis == *" $nom "* ]] || continue
    mkdir -p "$dossier/corpus/$nom" "$dossier/trouvailles/$nom" "$dossier/journaux/$nom"
    local presentes=()
    for g in $graines; do [ -d "$g" ] && presentes+=("$g"); done
    echo "== $nom ($duree s)"
    # libFuzzer writes its log (fuzz-0.log) in the current folder: not the corpus's.
    if (cd "$dossier/journaux/$nom" && "../../fuzz_$nom" -max_total_time="$duree" -runs=10000000 -timeout=10 \
          -jobs=1 -workers=1 -artifact_prefix="../../trouvailles/$nom/" "../../corpus/$nom" "${presentes[@]}" \
          >/dev/null 2>&1); then
      grep -h '^Done' "$dossier/journaux/$nom/fuzz-0.log" || true
    else
      echo "TROUVAILLE : $nom, voir $dossier/journaux/$nom/fuzz-0.log et $dossier/trouvailles/$nom/"
      echec=1
    fi
  done < "$dossier/harnais.txt"
  return $echec
}

case "$action" in
  lancer)
    installer
    # The program and its data only: the test programs are the test command's business.
    construire build/release vocalia -DCMAKE_BUILD_TYPE=Release
    exec build/release/shell/vocalia
    ;;
  test)
    installer
    # With the sanitizers, then optimised as users run it: some faults show
    # only once the optimiser has its way (a freed handle reused at once).
    # The Release folder is the program's own; under /usr, as the package is,
    # so that the package's test runs there too.
    construire build/test all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOCALIA_SANITIZE=ON -DVOCALIA_SONDE_ESSAIS=ON
    (cd build/test && ctest --output-on-failure -j2)
    construire build/release all -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
    (cd build/release && ctest --output-on-failure -j2)
    # The data with the Makefile generator and two jobs at once (each data file
    # must have one owner, or two builders write it together), here without
    # the commune register, whose texts must then be gone.
    cmake -S . -B build/make -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
      -DVOCALIA_GUI=OFF -DVOCALIA_COMMUNES=OFF >/dev/null
    cmake --build build/make -j2 --target vocalia_donnees test_shell
    (cd build/make && ctest --output-on-failure -R 'SourcesDonnees')
    ;;
  bench)
    paquets+=(sdcv)  # the anchor of the lookup figures, on the same Littré
    installer
    construire build/release bench -DCMAKE_BUILD_TYPE=Release
    ;;
  paquet)
    installer
    # Only what the package holds is built: the tests are not part of it.
    cmake -S . -B build/paquet -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
    cmake --build build/paquet --target vocalia vocalia-dico documents_installes
    (cd build/paquet && cpack -B "$PWD/paquets" >/dev/null)
    ls build/paquet/paquets/vocalia_*_amd64.deb
    ;;
  fuzz)
    paquets+=(clang libclang-rt-14-dev)
    installer
    lancer_fuzz "${2:-60}" "${@:3}"
    ;;
  *)
    echo "usage: $0 [test|bench|paquet|fuzz [seconds [harness...]]]" >&2
    exit 2
    ;;
esac
