#!/usr/bin/env bash
# Vocalia's one entry point on a Debian 12 machine.
#   ./vocalia.sh         install what is missing, build the data and the program, start it
#   ./vocalia.sh test    install what is missing, build everything, run the whole test suite
#                        (with the sanitizers, then in Release), and build the data with make -j2
#   ./vocalia.sh bench   build and print the benchmarks' figures
set -euo pipefail
cd "$(dirname "$0")"
action=${1:-lancer}

paquets=(
  build-essential cmake ninja-build pkg-config
  zlib1g-dev libssl-dev libgtest-dev
  libwxgtk3.2-dev
  unixodbc unixodbc-dev libsqliteodbc sqlite3 libsqlite3-dev
  stardict-xmlittre mythes-fr hunspell-fr-comprehensive verbiste
  nodejs
  xvfb xauth xdotool imagemagick
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
  # The conjugation database is read through the SQLite ODBC driver under this name.
  if ! odbcinst -q -d -n SQLite3 >/dev/null 2>&1; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo odbcinst -i -d -f /usr/share/sqliteodbc/unixodbc.ini >/dev/null
  fi
  command -v npm >/dev/null || { local sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq npm; }
  if [ -f tools/package.json ] && [ ! -d tools/node_modules ]; then
    (cd tools && npm ci --no-audit --no-fund --loglevel=error)
  fi
}

construire() {  # construire <dossier> [options cmake...]
  local dossier=$1; shift
  cmake -S . -B "$dossier" -G Ninja "$@" >/dev/null
  cmake --build "$dossier"
}

case "$action" in
  lancer)
    installer
    construire build/release -DCMAKE_BUILD_TYPE=Release
    exec build/release/shell/vocalia
    ;;
  test)
    installer
    # With the sanitizers, then optimised as users run it: some faults show
    # only once the optimiser has its way (a freed handle reused at once).
    construire build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOCALIA_SANITIZE=ON
    (cd build/test && ctest --output-on-failure -j2)
    construire build/release -DCMAKE_BUILD_TYPE=Release
    (cd build/release && ctest --output-on-failure -j2)
    # The data with the Makefile generator and two jobs at once (each data file
    # must have one owner, or two builders write it together), here without
    # the commune register, whose texts must then be gone.
    cmake -S . -B build/make -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
      -DVOCALIA_GUI=OFF -DVOCALIA_COMMUNES=OFF >/dev/null
    cmake --build build/make -j2 --target vocalia_donnees test_shell
    (cd build/make && ctest --output-on-failure -R 'SourcesDonnees|FenetreAide')
    ;;
  bench)
    installer
    construire build/release -DCMAKE_BUILD_TYPE=Release
    cmake --build build/release --target bench
    ;;
  *)
    echo "usage: $0 [test|bench]" >&2
    exit 2
    ;;
esac
