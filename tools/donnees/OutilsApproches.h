#pragma once
// What the approximate-search subcommands share: the rules source, the built
// resources read back from a folder, and safe file writing.
#include <filesystem>
#include <string>
#include <vector>

// The rules source is UTF-8; the program works in Windows-1252.
bool LireReglesSource(const std::filesystem::path& chemin, std::string& texteCp1252);
// The rules source of this checkout, for the tools run without --regles.
std::string CheminReglesParDefaut();

// Reads every file of `dossier` whose name is a resource the approximate
// search loads (TOXKRJIUSH, the MAP* indexes and the figures MAPFREQ) and registers its bytes as
// an embedded resource, so that the engine finds them as in the program.
// Returns the number of resources registered.
int EnregistrerRessourcesApproches(const std::filesystem::path& dossier);
// Any single file, registered under `nom`.
bool EnregistrerFichierCommeRessource(const std::filesystem::path& chemin, const char* nom);

// Written beside the target, then renamed, so that an interrupted build never
// leaves a truncated resource that looks up to date.
bool EcrireFichierAtomique(const std::filesystem::path& chemin, const std::vector<unsigned char>& octets);

// One word a line from standard input, UTF-8, returned in Windows-1252
// (the line end and a trailing CR removed).
bool LireMotStdin(std::string& motCp1252);
