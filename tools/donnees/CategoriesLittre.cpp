#include "tools/donnees/CategoriesLittre.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "tools/donnees/TexteLittre.h"

namespace {
// Longer forms first only for readability: the search keeps the longest
// match wherever matches overlap.
constexpr CategorieLittre TableCategories[] = {
    {"s. m. et f.", "NOM", "masculin et f\xE9minin", "", ""},
    {"s. m. et s. f.", "NOM", "masculin et f\xE9minin", "", ""},
    {"s.m. et f.", "NOM", "masculin et f\xE9minin", "", ""},
    {"s. f. et m.", "NOM", "masculin et f\xE9minin", "", ""},
    {"s. f. et s. m.", "NOM", "masculin et f\xE9minin", "", ""},
    {"s. des deux genres", "NOM", "masculin et f\xE9minin", "", ""},
    {"s. m. ou s. f.", "NOM", "masculin ou f\xE9minin", "", ""},
    {"s. f. ou s. m.", "NOM", "masculin ou f\xE9minin", "", ""},
    {"s. f. et mieux s. m.", "NOM", "masculin ou f\xE9minin", "", ""},
    {"s. f. pl. ou s. m. pl.", "NOM", "masculin ou f\xE9minin", "pluriel", ""},
    {"s. m. pl.", "NOM", "masculin", "pluriel", ""},
    {"s. m. plur.", "NOM", "masculin", "pluriel", ""},
    {"s. f. pl.", "NOM", "f\xE9minin", "pluriel", ""},
    {"s. f. plur.", "NOM", "f\xE9minin", "pluriel", ""},
    {"s. m.", "NOM", "masculin", "", ""},
    {"s.m.", "NOM", "masculin", "", ""},
    {"s. f.", "NOM", "f\xE9minin", "", ""},
    {"s.f.", "NOM", "f\xE9minin", "", ""},
    {"s. et adj.", "NOM ET ADJECTIF", "", "", ""},
    {"s. m. et adj.", "NOM ET ADJECTIF", "masculin", "", ""},
    {"adj. et s. m.", "ADJECTIF ET NOM", "masculin", "", ""},
    {"adj. masc. et s. m.", "ADJECTIF ET NOM", "masculin", "", ""},
    {"adj. m.et subst.", "ADJECTIF ET NOM", "masculin", "", ""},
    {"adj. et s. f.", "ADJECTIF ET NOM", "f\xE9minin", "", ""},
    {"adj. et s.", "ADJECTIF ET NOM", "", "", ""},
    {"adj. et pron.", "ADJECTIF ET PRONOM", "", "", ""},
    {"adj. num\xE9ral", "ADJECTIF NUM\xC9RAL", "", "", ""},
    {"adj. num.", "ADJECTIF NUM\xC9RAL", "", "", ""},
    {"adj. d\xE9monst.", "ADJECTIF D\xC9MONSTRATIF", "", "", ""},
    {"adj. m.", "ADJECTIF", "masculin", "", ""},
    {"adj. masc.", "ADJECTIF", "masculin", "", ""},
    {"adj. f. pl.", "ADJECTIF", "f\xE9minin", "pluriel", ""},
    {"adj. f. plur.", "ADJECTIF", "f\xE9minin", "pluriel", ""},
    {"adj. f.", "ADJECTIF", "f\xE9minin", "", ""},
    {"adj. invariable", "ADJECTIF", "", "invariable", ""},
    {"adj. inv.", "ADJECTIF", "", "invariable", ""},
    {"adj.", "ADJECTIF", "", "", ""},
    {"adject.", "ADJECTIF", "", "", ""},
    {"v. a. et v. n.", "VERBE", "", "", "transitif et intransitif"},
    {"v. a. et n.", "VERBE", "", "", "transitif et intransitif"},
    {"v. n. impers.", "VERBE", "", "", "impersonnel"},
    {"v. n. impersonnel", "VERBE", "", "", "impersonnel"},
    {"v. impers.", "VERBE", "", "", "impersonnel"},
    {"v. a.", "VERBE", "", "", "transitif"},
    {"v. n.", "VERBE", "", "", "intransitif"},
    {"v. r\xE9\x66l.", "VERBE", "", "", "pronominal"},
    {"v r\xE9\x66l.", "VERBE", "", "", "pronominal"},
    {"V. r\xE9\x66l.", "VERBE", "", "", "pronominal"},
    {"v. r.", "VERBE", "", "", "pronominal"},
    {"part. pass\xE9 et adj.", "PARTICIPE PASS\xC9 ET ADJECTIF", "", "", ""},
    {"part. et adj.", "PARTICIPE ET ADJECTIF", "", "", ""},
    {"part. pass\xE9", "PARTICIPE PASS\xC9", "", "", ""},
    {"p. pass\xE9", "PARTICIPE PASS\xC9", "", "", ""},
    {"participe pass\xE9", "PARTICIPE PASS\xC9", "", "", ""},
    {"part. pr\xE9s.", "PARTICIPE PR\xC9SENT", "", "", ""},
    {"part. pr\xE9sent", "PARTICIPE PR\xC9SENT", "", "", ""},
    {"loc. adv.", "LOCUTION ADVERBIALE", "", "", ""},
    {"loc. adverb.", "LOCUTION ADVERBIALE", "", "", ""},
    {"loc. adverbiale", "LOCUTION ADVERBIALE", "", "", ""},
    {"loc. pr\xE9p.", "LOCUTION PR\xC9POSITIVE", "", "", ""},
    {"loc. pr\xE9pos.", "LOCUTION PR\xC9POSITIVE", "", "", ""},
    {"loc. conj.", "LOCUTION CONJONCTIVE", "", "", ""},
    {"loc. interj.", "LOCUTION INTERJECTIVE", "", "", ""},
    {"loc.", "LOCUTION", "", "", ""},
    {"locution", "LOCUTION", "", "", ""},
    {"adv.", "ADVERBE", "", "", ""},
    {"pr\xE9pos. et adv.", "PR\xC9POSITION ET ADVERBE", "", "", ""},
    {"interj.", "INTERJECTION", "", "", ""},
    {"interject.", "INTERJECTION", "", "", ""},
    {"pr\xE9p.", "PR\xC9POSITION", "", "", ""},
    {"pr\xE9pos.", "PR\xC9POSITION", "", "", ""},
    {"conj.", "CONJONCTION", "", "", ""},
    {"pron.", "PRONOM", "", "", ""},
    {"pronom", "PRONOM", "", "", ""},
    {"pr\xE9\x66ixe", "PR\xC9\x46IXE", "", "", ""},
    {"pr\xE9\x66ixes", "PR\xC9\x46IXE", "", "", ""},
    {"suffixe", "SUFFIXE", "", "", ""},
    {"article", "ARTICLE", "", "", ""},
    {"nom propre", "NOM PROPRE", "", "", ""},
};

bool EstLettre(char c) {
    const unsigned char o = static_cast<unsigned char>(c);
    return std::isalpha(o) || o >= 0xC0 || o == 0x8C || o == 0x9C;
}

// The abbreviation stands at `debut` as a word of its own: no letter glued
// before it, and none after it unless it ends with its own period.
bool EstALaPosition(const std::string& texte, const std::string& abreviation,
                    std::size_t debut) {
    if (texte.compare(debut, abreviation.size(), abreviation) != 0) return false;
    if (debut > 0 && EstLettre(texte[debut - 1])) return false;
    const std::size_t fin = debut + abreviation.size();
    return abreviation.back() == '.' || fin == texte.size() || !EstLettre(texte[fin]);
}

struct Occurrence {
    const CategorieLittre* categorie;
    std::size_t debut, fin;
};

bool Englobe(const Occurrence& a, const Occurrence& b) {
    return a.debut <= b.debut && b.fin <= a.fin && (a.fin - a.debut) > (b.fin - b.debut);
}

std::string SansPonctuationAutour(const std::string& texte) {
    std::size_t debut = 0, fin = texte.size();
    auto inutile = [](char c) { return c == ' ' || c == ',' || c == ';' || c == '.' || c == ':'; };
    while (debut < fin && inutile(texte[debut])) ++debut;
    while (fin > debut && inutile(texte[fin - 1])) --fin;
    std::string resultat = texte.substr(debut, fin - debut);
    // A note that is a whole sentence keeps its final period.
    if (fin < texte.size() && texte[fin] == '.' && resultat.find(' ') != std::string::npos)
        resultat += '.';
    return resultat;
}

void AjouterRemarque(EnTeteLittre& entete, const std::string& texte) {
    const std::string propre = SansPonctuationAutour(texte);
    if (propre.empty()) return;
    std::string& remarque = entete.attributs[ATTRIBUT_REMARQUE];
    if (!remarque.empty()) remarque += ' ';
    remarque += propre;
}

}  // namespace

const CategorieLittre* TrouverCategorie(const std::string& texte, std::size_t& debut,
                                        std::size_t& fin) {
    std::vector<Occurrence> occurrences;
    for (const CategorieLittre& categorie : TableCategories) {
        const std::string abreviation = categorie.abreviation;
        for (std::size_t p = texte.find(abreviation); p != std::string::npos;
             p = texte.find(abreviation, p + 1))
            if (EstALaPosition(texte, abreviation, p))
                occurrences.push_back({&categorie, p, p + abreviation.size()});
    }
    const Occurrence* retenue = nullptr;
    for (const Occurrence& candidate : occurrences) {
        bool englobee = false;
        for (const Occurrence& autre : occurrences) englobee = englobee || Englobe(autre, candidate);
        if (!englobee && (retenue == nullptr || candidate.debut < retenue->debut)) retenue = &candidate;
    }
    if (retenue == nullptr) return nullptr;
    debut = retenue->debut;
    fin = retenue->fin;
    return retenue->categorie;
}

namespace {

// Beyond this length a pronunciation is a remark, not a transcription.
constexpr std::size_t LONGUEUR_PRONONCIATION = 60;

// The closing parenthesis that matches the one at `ouvrante`, or npos:
// "(ti-gr' (le mâle) et ti-grès' (la femelle))" is one pronunciation.
std::size_t FermanteAssociee(const std::string& texte, std::size_t ouvrante) {
    int profondeur = 0;
    for (std::size_t i = ouvrante; i < texte.size(); ++i) {
        if (texte[i] == '(') ++profondeur;
        if (texte[i] == ')' && --profondeur == 0) return i;
    }
    return std::string::npos;
}

// Where a long pronunciation note stops being a transcription: its first
// "; " or the end of its first sentence. npos when it has neither.
std::size_t FinTranscription(const std::string& interieur) {
    const std::size_t pointVirgule = interieur.find(';');
    std::size_t point = interieur.find(". ");
    while (point != std::string::npos && point + 2 < interieur.size() &&
           !EstMajusculeCp1252(interieur[point + 2]))
        point = interieur.find(". ", point + 1);
    return std::min(pointVirgule, point);
}

std::string NoteEnPhrase(std::string note) {
    note = SansPonctuationAutour(note);
    if (note.empty()) return note;
    if (EstMinusculeCp1252(note[0])) note[0] = MajusculeCp1252(note[0]);
    if (note.back() != '.' && note.back() != '!' && note.back() != '?') note += '.';
    return note;
}

void LirePrononciation(std::string& texte, EnTeteLittre& entete) {
    if (texte.empty() || texte[0] != '(') return;
    const std::size_t fermante = FermanteAssociee(texte, 0);
    if (fermante == std::string::npos) return;
    std::string interieur = texte.substr(1, fermante - 1);
    texte.erase(0, fermante + 1);
    const std::size_t fin = interieur.size() > LONGUEUR_PRONONCIATION ? FinTranscription(interieur)
                                                                      : std::string::npos;
    if (fin != std::string::npos) {
        entete.notePrononciation = NoteEnPhrase(interieur.substr(fin + 1));
        interieur = SansPonctuationAutour(interieur.substr(0, fin));
    }
    entete.attributs[ATTRIBUT_PRONONCIATION] = "(" + interieur + ")";
}
}  // namespace

EnTeteLittre AnalyserEnTete(const std::string& brut) {
    EnTeteLittre entete;
    std::string texte = EspacesNormalises(brut);
    LirePrononciation(texte, entete);
    std::size_t debut = 0, fin = 0;
    const CategorieLittre* categorie = TrouverCategorie(texte, debut, fin);
    if (categorie == nullptr) {
        AjouterRemarque(entete, texte);
        return entete;
    }
    entete.categorie = categorie->categorie;
    if (*categorie->genre) entete.attributs[ATTRIBUT_GENRE] = categorie->genre;
    if (*categorie->nombre) entete.attributs[ATTRIBUT_NOMBRE] = categorie->nombre;
    if (*categorie->emploi) entete.attributs[ATTRIBUT_EMPLOI] = categorie->emploi;
    AjouterRemarque(entete, texte.substr(0, debut));
    AjouterRemarque(entete, texte.substr(fin));
    return entete;
}
