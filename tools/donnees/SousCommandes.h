#pragma once
// The data builder's subcommands. Each lives in its own file and registers
// itself with a static `InscriptionSousCommande`, so adding one touches no
// other file but the CMake source list.
#include <string>
#include <vector>

using SousCommande = int (*)(const std::vector<std::string>& arguments);

struct InscriptionSousCommande {
    InscriptionSousCommande(const char* nom, const char* aide, SousCommande fonction);
};
