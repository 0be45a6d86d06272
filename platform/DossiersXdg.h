#pragma once
// The user's folders as the XDG base-directory rules name them: where each
// program of ours keeps its configuration, its data and its cache.
#include <string>

// $HOME when it is an absolute path, else the home folder of the account;
// empty when neither gives one. No trailing slash.
std::string DossierMaison();

// The folder named by `variable` (XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME...)
// when it holds an absolute path (the rules ignore a relative one), else
// `defautSousMaison` (".config", ".local/share", ".cache"...) under the home
// folder; empty when there is no home folder. No trailing slash, except for "/".
std::string DossierXdg(const char* variable, const char* defautSousMaison);
