#include "tools/donnees/TexteConjugaison.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

using Alternatives = std::vector<std::string>;

// Infinitives in Windows-1252.
const std::set<std::string>& VerbesAvecEtre() {
    static const std::set<std::string> verbes = {
        "advenir", "aller", "appara\xEEtre", "arriver", "d\xE9" "c\xE9" "der", "descendre", "devenir",
        "\xE9" "choir", "\xE9" "clore", "entrer", "intervenir", "monter", "mourir", "na\xEEtre", "partir",
        "parvenir", "passer", "provenir", "r\xE9" "appara\xEEtre", "redescendre", "redevenir", "remonter",
        "rena\xEEtre", "rentrer", "repartir", "ressortir", "rester", "retomber", "retourner", "revenir",
        "sortir", "survenir", "tomber", "venir",
    };
    return verbes;
}

const std::set<std::string>& VerbesPronominaux() {
    static const std::set<std::string> verbes = {
        "absenter", "abstenir", "acoquiner", "adonner", "affairer", "agenouiller", "arroger", "blottir",
        "chamailler", "d\xE9mener", "d\xE9sister", "\xE9" "battre", "\xE9" "crier", "\xE9" "crouler",
        "efforcer", "emparer", "empresser", "enfuir", "enqu\xE9rir", "ensuivre", "entraider", "entr'aimer",
        "entr'\xE9gorger", "\xE9prendre", "esclaffer", "\xE9vader", "\xE9vanouir", "\xE9vertuer", "exclamer",
        "extasier", "fier", "formaliser", "gargariser", "gausser", "immiscer", "ing\xE9nier", "insurger",
        "lamenter", "m\xE9" "fier", "m\xE9prendre", "morfondre", "obstiner", "pavaner", "pr\xE9lasser",
        "raviser", "rebeller", "rebiffer", "recroqueviller", "r\xE9" "fugier", "renfrogner", "rengorger",
        "repentir", "soucier", "souvenir", "suicider", "targuer", "vautrer",
    };
    return verbes;
}

const Alternatives& Formes(const FormesVerbe& verbe, const char* mode, const char* temps, std::size_t personne) {
    static const Alternatives aucune;
    const auto m = verbe.formes.find(mode);
    if (m == verbe.formes.end()) return aucune;
    const auto t = m->second.find(temps);
    if (t == m->second.end() || personne >= t->second.size()) return aucune;
    return t->second[personne];
}

std::string Premiere(const FormesVerbe& verbe, const char* mode, const char* temps, std::size_t personne) {
    const Alternatives& formes = Formes(verbe, mode, temps, personne);
    return formes.empty() ? std::string() : formes[0];
}

// "paie / paye": every alternative of one person.
std::string Joint(const Alternatives& formes) {
    std::string texte;
    for (const std::string& forme : formes) texte += (texte.empty() ? "" : " / ") + forme;
    return texte;
}

bool CommenceParVoyelle(const std::string& mot, bool hAspire) {
    static const std::string voyelles =
        "aeiouAEIOU\xE0\xE2\xE6\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC\x9C\xC0\xC2\xC8\xC9\xCA\xCE\xD4\x8C";
    if (mot.empty()) return false;
    if (voyelles.find(mot[0]) != std::string::npos) return true;
    return (mot[0] == 'h' || mot[0] == 'H') && !hAspire;
}

// je, me, te, se and que lose their e before a vowel or a mute h.
std::string Joindre(const std::string& pronom, const std::string& suite, bool hAspire) {
    if (pronom.back() == 'e' && CommenceParVoyelle(suite, hAspire))
        return pronom.substr(0, pronom.size() - 1) + "'" + suite;
    return pronom + " " + suite;
}

const char* const Sujets[6] = {"je", "tu", "il", "nous", "vous", "ils"};
const char* const Reflechis[6] = {"me", "te", "se", "nous", "vous", "se"};
const char* const ReflechisImperatif[3] = {"-toi", "-nous", "-vous"};
// The persons of the imperative's three forms.
const std::size_t PersonnesImperatif[3] = {1, 3, 4};

struct Conjugueur {
    const FormesVerbe& verbe;
    const FormesVerbe& auxiliaire;
    bool pronominal;
    bool accord;  // the participle agrees with the subject (être)

    std::string AvecSujet(std::size_t personne, const std::string& groupe, bool hAspire, bool subjonctif) const {
        std::string texte = groupe;
        if (pronominal) {
            texte = Joindre(Reflechis[personne], texte, hAspire);
            hAspire = false;
        }
        texte = Joindre(Sujets[personne], texte, hAspire);
        return subjonctif ? Joindre("que", texte, false) : texte;
    }

    // Masculine singular, or masculine plural for the plural persons when it agrees.
    std::string Participe(std::size_t personne) const {
        const std::string pluriel = Premiere(verbe, "participle", "past-participle", 1);
        if (accord && personne >= 3 && !pluriel.empty()) return pluriel;
        return Premiere(verbe, "participle", "past-participle", 0);
    }

    // A person that the verb lacks (impersonal verbs) has no compound forms either.
    bool PersonneExiste(std::size_t personne) const {
        return !Formes(verbe, "indicative", "present", personne).empty();
    }

    std::vector<std::string> Simple(const char* mode, const char* temps, bool subjonctif) const {
        std::vector<std::string> cellules;
        for (std::size_t p = 0; p < 6; ++p) {
            const Alternatives& formes = Formes(verbe, mode, temps, p);
            cellules.push_back(formes.empty() ? "" : AvecSujet(p, Joint(formes), verbe.hAspire, subjonctif));
        }
        return cellules;
    }

    std::vector<std::string> Compose(const char* mode, const char* tempsAuxiliaire, bool subjonctif) const {
        std::vector<std::string> cellules;
        for (std::size_t p = 0; p < 6; ++p) {
            const std::string aux = Premiere(auxiliaire, mode, tempsAuxiliaire, p);
            const std::string participe = Participe(p);
            const bool existe = PersonneExiste(p) && !aux.empty() && !participe.empty();
            cellules.push_back(existe ? AvecSujet(p, aux + " " + participe, false, subjonctif) : "");
        }
        return cellules;
    }

    std::vector<std::string> ImperatifPresent() const {
        std::vector<std::string> cellules;
        for (std::size_t i = 0; i < 3; ++i) {
            const Alternatives& formes = Formes(verbe, "imperative", "imperative-present", i);
            cellules.push_back(formes.empty() ? "" : Joint(formes) + (pronominal ? ReflechisImperatif[i] : ""));
        }
        return cellules;
    }

    // Not used with pronominal verbs.
    std::vector<std::string> ImperatifPasse() const {
        std::vector<std::string> cellules;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string aux = Premiere(auxiliaire, "imperative", "imperative-present", i);
            const std::string participe = Participe(PersonnesImperatif[i]);
            const bool existe = !pronominal && !aux.empty() && !participe.empty() &&
                                !Formes(verbe, "imperative", "imperative-present", i).empty();
            cellules.push_back(existe ? aux + " " + participe : "");
        }
        return cellules;
    }

    // The infinitive or a participle, with "se" for a pronominal verb.
    std::string Nominal(const std::string& forme, bool hAspire) const {
        if (forme.empty() || !pronominal) return forme;
        return Joindre("se", forme, hAspire);
    }

    std::string Auxiliee(const char* mode, const char* temps) const {
        const std::string aux = Premiere(auxiliaire, mode, temps, 0);
        const std::string participe = Participe(0);
        if (aux.empty() || participe.empty()) return "";
        return Nominal(aux + " " + participe, false);
    }
};

struct Colonne {
    std::string titre;
    std::vector<std::string> cellules;
};

constexpr std::size_t ECART_COLONNES = 3;

bool ColonneVide(const Colonne& colonne) {
    return std::all_of(colonne.cellules.begin(), colonne.cellules.end(),
                       [](const std::string& c) { return c.empty(); });
}

void AjouterLigne(std::string& texte, const std::vector<std::string>& cellules, const std::vector<std::size_t>& largeurs) {
    std::string ligne;
    for (std::size_t i = 0; i < cellules.size(); ++i) {
        ligne += cellules[i];
        if (i + 1 < cellules.size()) ligne.append(largeurs[i] - cellules[i].size(), ' ');
    }
    while (!ligne.empty() && ligne.back() == ' ') ligne.pop_back();
    texte += ligne + "\n";
}

// Columns side by side, each as wide as its longest line; rows and columns
// with nothing in them are left out.
// A block wider than this (the window's width in characters, with a margin)
// is cut in two, one half under the other.
constexpr std::size_t LARGEUR_MAX = 140;

void AjouterBloc(std::string& texte, std::vector<Colonne> colonnes) {
    colonnes.erase(std::remove_if(colonnes.begin(), colonnes.end(), ColonneVide), colonnes.end());
    if (colonnes.empty()) return;
    std::vector<std::size_t> largeurs;
    std::size_t lignes = 0, largeurTotale = 0;
    bool titres = false;
    for (const Colonne& colonne : colonnes) {
        std::size_t largeur = colonne.titre.size();
        for (const std::string& cellule : colonne.cellules) largeur = std::max(largeur, cellule.size());
        largeurs.push_back(largeur + ECART_COLONNES);
        largeurTotale += largeur + ECART_COLONNES;
        lignes = std::max(lignes, colonne.cellules.size());
        titres = titres || !colonne.titre.empty();
    }
    if (largeurTotale > LARGEUR_MAX + ECART_COLONNES && colonnes.size() > 1) {
        const auto milieu = colonnes.begin() + std::ptrdiff_t(colonnes.size() / 2);
        AjouterBloc(texte, std::vector<Colonne>(colonnes.begin(), milieu));
        AjouterBloc(texte, std::vector<Colonne>(milieu, colonnes.end()));
        return;
    }
    std::vector<std::string> ligne(colonnes.size());
    if (titres) {
        for (std::size_t i = 0; i < colonnes.size(); ++i) ligne[i] = colonnes[i].titre;
        AjouterLigne(texte, ligne, largeurs);
    }
    for (std::size_t r = 0; r < lignes; ++r) {
        bool remplie = false;
        for (std::size_t i = 0; i < colonnes.size(); ++i) {
            ligne[i] = r < colonnes[i].cellules.size() ? colonnes[i].cellules[r] : "";
            remplie = remplie || !ligne[i].empty();
        }
        if (remplie) AjouterLigne(texte, ligne, largeurs);
    }
    texte += "\n";
}

std::string ParticipesPasses(const FormesVerbe& verbe) {
    Alternatives formes;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string forme = Premiere(verbe, "participle", "past-participle", i);
        if (!forme.empty()) formes.push_back(forme);
    }
    std::string texte;
    for (const std::string& forme : formes) texte += (texte.empty() ? "" : ", ") + forme;
    return texte;
}

// "Libellé : valeur", or nothing when the verb lacks the form.
std::string Libelle(const std::string& libelle, const std::string& valeur) {
    return valeur.empty() ? std::string() : libelle + " : " + valeur;
}

std::vector<std::string> SansVides(std::vector<std::string> lignes) {
    lignes.erase(std::remove(lignes.begin(), lignes.end(), std::string()), lignes.end());
    return lignes;
}

void AjouterEntete(std::string& texte, const Conjugueur& c) {
    const std::string infinitif = c.Nominal(c.verbe.infinitif, c.verbe.hAspire);
    const std::string auxiliaire =
        std::string(c.accord ? "\xEAtre" : "avoir") + (c.pronominal ? " (verbe pronominal)" : "");
    const std::string present = c.Nominal(Premiere(c.verbe, "participle", "present-participle", 0), c.verbe.hAspire);
    AjouterBloc(texte, {
        {"", SansVides({Libelle("Verbe", infinitif), Libelle("Infinitif pr\xE9sent", infinitif),
                        Libelle("Participe pr\xE9sent", present), Libelle("Participe pass\xE9", ParticipesPasses(c.verbe))})},
        {"", SansVides({Libelle("Auxiliaire", auxiliaire),
                        Libelle("Infinitif pass\xE9", c.Auxiliee("infinitive", "infinitive-present")),
                        Libelle("Participe pass\xE9 compos\xE9", c.Auxiliee("participle", "present-participle"))})},
    });
}

void AjouterIndicatif(std::string& texte, const Conjugueur& c) {
    texte += "INDICATIF\n";
    AjouterBloc(texte, {{"Pr\xE9sent", c.Simple("indicative", "present", false)},
                        {"Imparfait", c.Simple("indicative", "imperfect", false)},
                        {"Pass\xE9 simple", c.Simple("indicative", "simple-past", false)},
                        {"Futur simple", c.Simple("indicative", "future", false)}});
    AjouterBloc(texte, {{"Pass\xE9 compos\xE9", c.Compose("indicative", "present", false)},
                        {"Plus-que-parfait", c.Compose("indicative", "imperfect", false)},
                        {"Pass\xE9 ant\xE9rieur", c.Compose("indicative", "simple-past", false)},
                        {"Futur ant\xE9rieur", c.Compose("indicative", "future", false)}});
}

// A column whose first line names its tense, under the mode's title.
Colonne AvecNomDeTemps(const char* mode, const char* temps, std::vector<std::string> cellules) {
    cellules.insert(cellules.begin(), temps);
    return Colonne{mode, std::move(cellules)};
}

bool ToutesVides(const std::vector<std::string>& cellules) {
    return std::all_of(cellules.begin(), cellules.end(), [](const std::string& s) { return s.empty(); });
}

// Side by side, to keep the whole table within the window's height.
void AjouterConditionnelEtImperatif(std::string& texte, const Conjugueur& c) {
    std::vector<Colonne> colonnes = {
        AvecNomDeTemps("CONDITIONNEL", "Pr\xE9sent", c.Simple("conditional", "present", false)),
        AvecNomDeTemps("", "Pass\xE9", c.Compose("conditional", "present", false)),
    };
    const std::vector<std::string> present = c.ImperatifPresent();
    const std::vector<std::string> passe = c.ImperatifPasse();
    if (!ToutesVides(present)) colonnes.push_back(AvecNomDeTemps("IMP\xC9RATIF", "Pr\xE9sent", present));
    if (!ToutesVides(present) && !ToutesVides(passe)) colonnes.push_back(AvecNomDeTemps("", "Pass\xE9", passe));
    AjouterBloc(texte, colonnes);
}

void AjouterSubjonctif(std::string& texte, const Conjugueur& c) {
    texte += "SUBJONCTIF\n";
    AjouterBloc(texte, {{"Pr\xE9sent", c.Simple("subjunctive", "present", true)},
                        {"Imparfait", c.Simple("subjunctive", "imperfect", true)},
                        {"Pass\xE9", c.Compose("subjunctive", "present", true)},
                        {"Plus-que-parfait", c.Compose("subjunctive", "imperfect", true)}});
}

}  // namespace

bool PrendEtre(const std::string& infinitif) { return VerbesAvecEtre().count(infinitif) != 0; }

bool EstEssentiellementPronominal(const std::string& infinitif) { return VerbesPronominaux().count(infinitif) != 0; }

std::string TexteConjugaison(const FormesVerbe& verbe, const FormesVerbe& avoir, const FormesVerbe& etre) {
    const bool pronominal = EstEssentiellementPronominal(verbe.infinitif);
    const bool avecEtre = pronominal || PrendEtre(verbe.infinitif);
    const Conjugueur conjugueur{verbe, avecEtre ? etre : avoir, pronominal, avecEtre};
    std::string texte;
    AjouterEntete(texte, conjugueur);
    AjouterIndicatif(texte, conjugueur);
    AjouterConditionnelEtImperatif(texte, conjugueur);
    AjouterSubjonctif(texte, conjugueur);
    while (texte.size() >= 2 && texte[texte.size() - 1] == '\n' && texte[texte.size() - 2] == '\n') texte.pop_back();
    return texte;
}
