#pragma once
// The data builder's subcommands, one per file; main.cpp lists them with
// their names and help lines. Each returns the process's exit status.
#include <string>
#include <vector>

using SousCommande = int (*)(const std::vector<std::string>& arguments);

int SousCommandeAudit(const std::vector<std::string>& arguments);
int SousCommandeApproches(const std::vector<std::string>& arguments);
int SousCommandeCles(const std::vector<std::string>& arguments);
int SousCommandeConjugaisons(const std::vector<std::string>& arguments);
int CommandeDictionnaire(const std::vector<std::string>& arguments);
int SousCommandeIndexApproches(const std::vector<std::string>& arguments);
int SousCommandeRegles(const std::vector<std::string>& arguments);
