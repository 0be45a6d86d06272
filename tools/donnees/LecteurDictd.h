#pragma once
// Reading a dictd dictionary (the format of the FreeDict packages): the
// .index file, one line per entry, "headword TAB offset TAB size" with both
// numbers in base 64 ("A" is 0, "/" is 63, most significant digit first),
// and the .dict.dz article file (dictzip, which a reader inflates as gzip).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct EntreeDictd {
    std::string mot;  // as the index stores it: dictd folds it, the article has the real spelling
    std::uint64_t decalage = 0;
    std::uint64_t taille = 0;
};

// False when the text holds a character outside the base-64 alphabet or is empty.
bool NombreBase64Dictd(std::string_view texte, std::uint64_t& valeur);

// False at the first malformed line (the entries before it are kept).
bool AnalyserIndexDictd(std::string_view texte, std::vector<EntreeDictd>& entrees);

// The articles in index order, the database's own "00database..." entries
// left out; false when a file cannot be read or an entry lies outside the
// article file.
bool LireArticlesDictd(const std::string& cheminIndex, const std::string& cheminArticles,
                       std::vector<std::string>& articles);
