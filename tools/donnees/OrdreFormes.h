#pragma once
// The order of the headwords one inflected form leads to: the reading a
// reader means first. The auxiliaries and the commonest verbs come before
// any homograph ("suis" is "être" before "suivre", "sommes" before "somme"),
// the others by their commonness figure ("venons": "venir" before the rare
// "vener") weighed by how common their reading of the form is ("sales": the
// adjective "sale" before the verb "saler"); equal scores keep the order they
// had. Windows-1252.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

// Their rank among themselves is this order.
inline constexpr const char* VerbesPrioritaires[] = {"\xEAtre", "avoir", "aller", "faire", "venir",
                                                    "pouvoir", "vouloir", "savoir", "voir", "dire"};

struct FormeFlechie;

// How common a reading of a form is in running text, whatever the word: a
// noun's or adjective's singular, an infinitive, a third person of the
// present 1, a plural 0.6, a verb's second person singular of the present
// 0.05 ("sales" is the adjective's plural far more often than "tu sales").
float PoidsLecture(const std::string& categorie, const FormeFlechie& forme);

// form -> headword -> the weight of its commonest reading of that form.
using PoidsLectures = std::map<std::string, std::map<std::string, float>>;

// Orders every list of `index` but those of `fixes`, whose order a step of
// their own settled (an old spelling leads to today's first): a headword's
// figure times the weight of its reading of the form; 1 for a reading
// `poids` lacks.
void OrdonnerIndexFlexions(std::map<std::string, std::vector<std::string>>& index,
                           const std::unordered_map<std::string, std::uint32_t>& frequences,
                           const std::set<std::string>& fixes = {}, const PoidsLectures& poids = {});
