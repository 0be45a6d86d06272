#include "text/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <vector>

#include "text/Cp1252.h"
#include "text/FichiersTexte.h"

namespace {

// Constant-initialised, so the first Trace of two threads cannot race on its creation.
std::mutex verrouTrace;
PuitsTrace puitsTrace = PuitsTrace::SortieStandard;  // guarded by verrouTrace

std::string Formater(const char* format, std::va_list arguments) {
    std::va_list copie;
    va_copy(copie, arguments);
    const int longueur = std::vsnprintf(nullptr, 0, format, copie);
    va_end(copie);
    if (longueur <= 0) return std::string();
    std::vector<char> tampon(static_cast<std::size_t>(longueur) + 1);
    std::vsnprintf(tampon.data(), tampon.size(), format, arguments);
    return std::string(tampon.data(), static_cast<std::size_t>(longueur));
}

std::map<std::string, std::string>& TableOptionsTrace() {
    static std::map<std::string, std::string> table;
    return table;
}

}  // namespace

int Trace(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    const std::string ligne = Formater(format, arguments);
    va_end(arguments);
    const std::string utf8 = Cp1252VersUtf8(ligne);
    std::lock_guard<std::mutex> verrou(verrouTrace);
    std::FILE* flux = puitsTrace == PuitsTrace::SortieStandard ? stdout
                      : puitsTrace == PuitsTrace::SortieErreur ? stderr
                                                               : nullptr;
    if (flux) {
        std::fwrite(utf8.data(), 1, utf8.size(), flux);
        // Flushed line by line so that diagnostics survive a crash that follows them.
        std::fflush(flux);
    }
    return static_cast<int>(ligne.size());
}

void ChoisirPuitsTrace(PuitsTrace puits) {
    std::lock_guard<std::mutex> verrou(verrouTrace);
    puitsTrace = puits;
}

void ChargeOptionsTraceDepuis(const std::string& fichier) {
    auto& table = TableOptionsTrace();
    table.clear();
    std::vector<std::string> lignes;
    if (!LireLignes(fichier, lignes)) return;
    for (const std::string& ligne : lignes) {
        if (!ligne.empty() && ligne[0] == '#') continue;
        auto [nom, valeur] = CouperEnDeux(ligne, '=');
        if (!nom.empty() && !valeur.empty()) table[nom] = valeur;
    }
}

void ChargeOptionsTrace() {
    static bool dejaCharge = false;
    if (dejaCharge) return;
    dejaCharge = true;
    ChargeOptionsTraceDepuis("ZephOptionsTrace.cfg");
}

const std::map<std::string, std::string>& OptionsTrace() { return TableOptionsTrace(); }

namespace {

// Loaded before main, as the program has always done. This is harmless that
// early: the table is a function-local static, the read cannot throw on a
// missing file, and a program that never traces does not link this file.
const bool optionsTraceChargees = (ChargeOptionsTrace(), true);

}  // namespace
