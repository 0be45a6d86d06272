#pragma once
// Lists stored in one database text: the first character is the escape, the
// second the separator, then each item followed by the separator, with the
// escape before every literal escape or separator inside an item.
#include <map>
#include <string>
#include <vector>

std::vector<std::string> LireListeEchappee(const std::string& texte);
// Always written with backslash as escape and '#' as separator.
std::string EcrireListeEchappee(const std::vector<std::string>& elements);
// Each item read like C atoi; values beyond the int range saturate.
std::vector<int> LireEntiersEchappes(const std::string& texte);
// Items alternate names and values; a repeated name keeps its last value and
// an odd last item is ignored.
std::map<std::string, std::string> LirePairesEchappees(const std::string& texte);
std::string EcrirePairesEchappees(const std::map<std::string, std::string>& paires);
