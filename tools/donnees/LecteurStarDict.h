#pragma once
// Reading a StarDict dictionary: the .idx word index (NUL-terminated word,
// then big-endian 32-bit offset and size into the article file) and the
// .dict.dz article file (dictzip, which is plain gzip to a reader).
#include <cstdint>
#include <string>
#include <vector>

struct EntreeStarDict {
    std::string mot;  // as the index stores it (UTF-8)
    std::uint32_t decalage = 0;
    std::uint32_t taille = 0;
};

// Parses an index image; false when a record is truncated (the records
// before it are kept).
bool AnalyserIndexStarDict(const std::string& octets, std::vector<EntreeStarDict>& entrees);
bool LireIndexStarDict(const std::string& chemin, std::vector<EntreeStarDict>& entrees);

// The whole inflated article file; false when it cannot be read or inflated.
bool LireArticlesStarDict(const std::string& chemin, std::string& contenu);

// The article of `entree`, or false when it lies outside `contenu`.
bool ExtraireArticleStarDict(const std::string& contenu, const EntreeStarDict& entree,
                             std::string& article);
