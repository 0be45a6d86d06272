#include "tools/donnees/Frequences.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <unordered_set>

#include "text/Cp1252.h"
#include "tools/donnees/TexteLittre.h"

namespace {

using Table = std::unordered_map<std::string, std::uint32_t>;

bool Lettre(char c) { return EstMinusculeCp1252(c) || EstMajusculeCp1252(c); }

void Ajouter(Table& table, const std::string& mot, std::uint32_t nombre) {
    std::uint32_t& valeur = table[mot];
    valeur = nombre > UINT32_MAX - valeur ? UINT32_MAX : valeur + nombre;
}

// Every word of the senses and examples of one article.
template <typename Action>
void PourChaqueMot(const Article& article, Action action) {
    for (const Sens& sens : article.sens) {
        for (const std::string& mot : MotsDuTexte(sens.definition)) action(mot);
        for (const std::string& exemple : sens.exemples)
            for (const std::string& mot : MotsDuTexte(exemple)) action(mot);
    }
}

// headword -> itself and every form of it, each once.
std::unordered_map<std::string, std::vector<std::string>> FormesParVedette(const std::vector<Article>& articles,
                                                                           const SignauxFrequence& signaux) {
    std::unordered_map<std::string, std::vector<std::string>> formes;
    for (const Article& article : articles) formes.try_emplace(article.mot, std::vector<std::string>{article.mot});
    const auto ajouter = [&formes](const std::string& vedette, const std::string& forme) {
        const auto trouve = formes.find(vedette);
        if (trouve == formes.end()) return;
        if (std::find(trouve->second.begin(), trouve->second.end(), forme) == trouve->second.end())
            trouve->second.push_back(forme);
    };
    if (signaux.index != nullptr)
        for (const auto& [forme, vedettes] : *signaux.index)
            for (const std::string& vedette : vedettes) ajouter(vedette, forme);
    for (const auto& [vedette, autres] : signaux.formesVedettes)
        for (const std::string& forme : autres) ajouter(vedette, forme);
    return formes;
}

// The elided words stand for their full form: "l'homme" counts "le", not the letter "l".
std::string SansElision(const std::string& mot) {
    static const std::unordered_map<std::string, std::string> pleins = {
        {"l", "le"}, {"d", "de"}, {"qu", "que"}, {"n", "ne"}, {"s", "se"}, {"j", "je"}, {"m", "me"},
        {"t", "te"}, {"c", "ce"}, {"jusqu", "jusque"}, {"lorsqu", "lorsque"}, {"puisqu", "puisque"},
        {"quoiqu", "quoique"}, {"L", "le"}, {"D", "de"}, {"Qu", "que"}, {"N", "ne"}, {"S", "se"}, {"J", "je"},
        {"M", "me"}, {"T", "te"}, {"C", "ce"}, {"Jusqu", "jusque"}, {"Lorsqu", "lorsque"},
        {"Puisqu", "puisque"}, {"Quoiqu", "quoique"}};
    const auto plein = pleins.find(mot);
    return plein == pleins.end() ? mot : plein->second;
}

// The words of a text as written, hyphenated ones whole, elided ones in full.
std::vector<std::string> MotsEntiers(const std::string& texte) {
    std::vector<std::string> mots;
    std::size_t i = 0;
    while (i < texte.size()) {
        if (!Lettre(texte[i])) {
            ++i;
            continue;
        }
        std::size_t fin = i;
        while (fin < texte.size() &&
               (Lettre(texte[fin]) || (texte[fin] == '-' && fin + 1 < texte.size() && Lettre(texte[fin + 1]))))
            ++fin;
        const bool elide = fin < texte.size() && (texte[fin] == '\'' || texte[fin] == '\x92');
        const std::string mot = elide ? SansElision(texte.substr(i, fin - i)) : texte.substr(i, fin - i);
        mots.push_back(mot);
        i = fin;
    }
    return mots;
}

bool Determinant(const std::string& mot) {
    static const std::unordered_set<std::string> determinants = {
        "le", "la", "les", "un", "une", "des", "du", "au", "aux", "ce", "cet", "cette", "ces",
        "mon", "ton", "son", "ma", "ta", "sa", "mes", "tes", "ses", "notre", "votre", "nos", "vos",
        "leur", "leurs", "quelque", "quelques", "chaque", "aucun", "aucune", "nul", "nulle", "plusieurs"};
    return determinants.count(mot) != 0;
}

}  // namespace

std::vector<std::string> MotsDuTexte(const std::string& texte) {
    std::vector<std::string> mots;
    for (std::string& mot : MotsEntiers(texte)) {
        const bool compose = mot.find('-') != std::string::npos;
        mots.push_back(mot);
        if (!compose) continue;
        std::size_t debut = 0;
        for (std::size_t k = 0; k <= mot.size(); ++k)
            if (k == mot.size() || mot[k] == '-') {
                mots.push_back(mot.substr(debut, k - debut));
                debut = k + 1;
            }
    }
    return mots;
}

std::unordered_map<std::string, EmploisLittre> CompterEmplois(const std::vector<Article>& articles,
                                                              std::size_t articlesLittre,
                                                              const std::unordered_set<std::string>& mots) {
    std::unordered_map<std::string, EmploisLittre> emplois;
    for (const std::string& mot : mots) emplois[mot];
    const auto compter = [&](const Article& article, const std::string& texte) {
        std::string precedent;
        for (const std::string& tel : MotsEntiers(texte)) {
            std::string mot = EnMinuscules(tel);
            const auto trouve = mot == article.mot ? emplois.end() : emplois.find(mot);
            if (trouve != emplois.end()) {
                std::uint32_t& compte = Determinant(precedent) ? trouve->second.nominaux : trouve->second.autres;
                if (compte < UINT32_MAX) ++compte;
            }
            precedent = std::move(mot);
        }
    };
    for (std::size_t i = 0; i < std::min(articlesLittre, articles.size()); ++i)
        for (const Sens& sens : articles[i].sens) {
            compter(articles[i], sens.definition);
            for (const std::string& exemple : sens.exemples) compter(articles[i], exemple);
        }
    return emplois;
}

Table CalculerFrequences(const std::vector<Article>& articles, std::size_t articlesLittre,
                         const SignauxFrequence& signaux) {
    const auto formes = FormesParVedette(articles, signaux);
    std::unordered_map<std::string, std::vector<std::string>> proprietaires;  // form -> the headwords it is a form of
    for (const auto& [vedette, liste] : formes)
        for (const std::string& forme : liste) proprietaires[forme].push_back(vedette);
    // The occurrences outside the articles of the word itself, whose
    // examples say how it is used, not how common it is. Lower-cased, except
    // for names (communes), counted where the text gives their capitals.
    Table occurrences;
    articlesLittre = std::min(articlesLittre, articles.size());
    for (std::size_t i = 0; i < articlesLittre; ++i) {
        const Article& article = articles[i];
        const auto siennes = formes.find(article.mot);
        PourChaqueMot(article, [&](const std::string& mot) {
            const std::string minuscule = EnMinuscules(mot);
            for (const std::string* compte : {&minuscule, &mot}) {
                if (compte == &mot && mot == minuscule) break;
                if (siennes != formes.end() &&
                    std::find(siennes->second.begin(), siennes->second.end(), *compte) != siennes->second.end())
                    continue;
                Ajouter(occurrences, *compte, 1);
            }
        });
    }
    const auto compte = [&occurrences](const std::string& forme) -> std::uint64_t {
        const auto trouve = occurrences.find(forme);
        return trouve == occurrences.end() ? 0 : trouve->second;
    };
    // A form shared by several headwords ("est", "dans", "suis") is shared
    // out in proportion to what each headword has of its own: its own
    // spelling and the forms nobody else has. "dans" goes to the preposition,
    // not to the plural of "dan".
    std::unordered_map<std::string, std::uint64_t> propre;
    for (const auto& [vedette, liste] : formes)
        for (const std::string& forme : liste)
            if (forme == vedette || proprietaires[forme].size() == 1) propre[vedette] += compte(forme);
    std::unordered_set<std::string> dansLeLittre;
    for (std::size_t i = 0; i < articlesLittre; ++i) dansLeLittre.insert(articles[i].mot);

    Table frequences;
    for (const auto& [vedette, liste] : formes) {
        double total = 0;
        for (const std::string& forme : liste) {
            const std::vector<std::string>& partage = proprietaires[forme];
            std::uint64_t somme = 0;
            for (const std::string& autre : partage) somme += propre[autre];
            total += somme == 0 ? double(compte(forme)) / double(partage.size())
                                : double(compte(forme)) * double(propre[vedette]) / double(somme);
        }
        if (!dansLeLittre.count(vedette)) {
            const auto citations = signaux.citationsThesaurus.find(vedette);
            if (citations != signaux.citationsThesaurus.end()) total += citations->second;
            if (signaux.lemmesHunspell.count(vedette)) total += 1;
        }
        frequences[vedette] = static_cast<std::uint32_t>(std::min<double>(total + 0.5, UINT32_MAX));
    }
    return frequences;
}

std::string TexteFrequences(const Table& frequences) {
    std::vector<std::pair<std::string, std::uint32_t>> lignes(frequences.begin(), frequences.end());
    std::sort(lignes.begin(), lignes.end());
    std::string texte;
    for (const auto& [vedette, figure] : lignes) texte += vedette + '\t' + std::to_string(figure) + '\n';
    return texte;
}

Table LireFrequences(const std::string& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) return {};
    Table frequences;
    std::string ligne;
    while (std::getline(fichier, ligne)) {
        const std::size_t tabulation = ligne.find('\t');
        if (tabulation == std::string::npos || tabulation == 0 || tabulation + 1 == ligne.size()) return {};
        std::uint32_t figure = 0;
        const char* debut = ligne.data() + tabulation + 1;
        const char* fin = ligne.data() + ligne.size();
        const auto [reste, erreur] = std::from_chars(debut, fin, figure);
        if (erreur != std::errc() || reste != fin) return {};
        frequences[ligne.substr(0, tabulation)] = figure;
    }
    return frequences;
}

std::string TexteBilanFrequences(const Table& frequences, std::size_t nombre) {
    std::vector<std::pair<std::string, std::uint32_t>> rangs(frequences.begin(), frequences.end());
    // Ties in byte order, so the report is the same from one build to the next.
    std::sort(rangs.begin(), rangs.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    std::ostringstream texte;
    texte << "  fr\xC3\xA9quences : les " << std::min(nombre, rangs.size()) << " plus courants\n   ";
    for (std::size_t k = 0; k < nombre && k < rangs.size(); ++k)
        texte << ' ' << Cp1252VersUtf8(rangs[k].first) << " (" << rangs[k].second << ')';
    texte << "\n  fr\xC3\xA9quences : des plus rares\n   ";
    // Ten words spread over those used once to ten times: a sample a reader can judge.
    std::vector<std::pair<std::string, std::uint32_t>> rares;
    for (const auto& rang : rangs)
        if (rang.second >= 1 && rang.second <= 10 && !rang.first.empty() && EstMinusculeCp1252(rang.first[0]))
            rares.push_back(rang);
    const std::size_t pas = std::max<std::size_t>(1, rares.size() / 10);
    for (std::size_t k = 0; k < rares.size(); k += pas)
        texte << ' ' << Cp1252VersUtf8(rares[k].first) << " (" << rares[k].second << ')';
    texte << '\n';
    return texte.str();
}
