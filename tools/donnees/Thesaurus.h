#pragma once
// The MyThes thesaurus (thes_fr.dat): per headword, groups of synonyms, each
// group one meaning with the categories it applies to. Windows-1252 once read.
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

struct GroupeSynonymes {
    std::vector<std::string> categories;  // category keys ("NOM", "VERBE" ...); empty: unknown ("(?)")
    std::vector<std::string> synonymes;
    // One meaning cut out of a longer group: shown "(first) second, third",
    // the first word saying which meaning the others share.
    bool glose = false;
};

struct EntreeThesaurus {
    std::string mot;
    std::vector<GroupeSynonymes> groupes;
};

// The file's text; its first line names the encoding (UTF-8 or an ISO-8859
// Latin set). Malformed entries are skipped; false when nothing was read.
bool LireThesaurus(std::string_view texte, std::vector<EntreeThesaurus>& entrees);
bool ChargerThesaurus(const std::string& chemin, std::vector<EntreeThesaurus>& entrees);

// word -> the headwords whose groups list it.
std::map<std::string, std::vector<std::string>> SynonymesInverses(const std::vector<EntreeThesaurus>& entrees);

// Groups of unknown category that look misfiled: none of their synonyms
// lists the word back while other headwords do list it. Such a group is
// replaced by the headwords that list the word (at most `maximum`).
void CorrigerGroupesDouteux(std::vector<EntreeThesaurus>& entrees, std::size_t maximum = 20);

// One line per group, the synonyms separated by ", " (a glossed group's first
// word in parentheses before the others); groups repeated word for word
// appear once.
std::string TexteSynonymes(const std::vector<GroupeSynonymes>& groupes);
