#pragma once
// verbiste's conjugation data (verbs-fr.xml + conjugation-fr.xml), expanded:
// every verb with all its forms, in Windows-1252.
#include <map>
#include <string>
#include <vector>

struct FormesVerbe {
    std::string infinitif;
    std::string modele;  // verbiste's template name, e.g. "aim:er"
    // mode -> tense -> persons -> alternatives, with verbiste's element names
    // ("indicative" -> "present" -> 6 persons; "imperative" -> "imperative-present" -> 3;
    // "participle" -> "past-participle" -> 4 ...). An empty alternative list: no such form.
    std::map<std::string, std::map<std::string, std::vector<std::vector<std::string>>>> formes;
    bool hAspire = false;  // "je hais", not "j'hais": no elision before this verb
};

// False when a file cannot be read or parsed; `verbes` is then empty.
bool ChargerVerbiste(const std::string& fichierVerbes, const std::string& fichierConjugaisons,
                     std::vector<FormesVerbe>& verbes);
