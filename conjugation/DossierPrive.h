#pragma once
// The per-user folder where the program keeps the files it writes for itself
// (the conjugation database's copy): never a folder that other users share.
#include <string>

inline constexpr const char* NOM_DOSSIER_PRIVE = "vocalia";

// "$XDG_RUNTIME_DIR/vocalia/" when that folder is set and is ours, otherwise
// "$XDG_CACHE_HOME/vocalia/" (by default "~/.cache/vocalia/"), and when that
// one cannot be created (no home folder) "vocalia-<user number>/" in the
// temporary folder; with its trailing slash. Created with mode 0700 when
// missing. Empty when none can be created, or when what stands there is not
// a safe folder: a symbolic link, a folder of another user, or one that
// others may write into.
std::string DossierPrive();

// A real folder (not a link) of ours that no one else may write into.
bool EstDossierSur(const std::string& chemin);
