#pragma once
// Text files, lines and key/value pairs; the temporary folder.
#include <map>
#include <string>
#include <utility>
#include <vector>

bool LireLignes(const std::string& nom, std::vector<std::string>& lignes);
bool DecouperLignes(const std::string& texte, std::vector<std::string>& lignes);
std::pair<std::string, std::string> CouperEnDeux(const std::string& texte, char separateur);
std::map<std::string, std::string> DecouperPaires(const std::string& texte, char separateurPieces,
                                                  char separateurPaire);
// The temporary folder with its trailing '/', or "" when it cannot be had.
std::string DossierTemporaire();
bool FichierExiste(const std::string& chemin);
// The whole file as it stands on disk; false when it cannot be opened or read.
bool LireFichierEntier(const std::string& chemin, std::string& contenu);
