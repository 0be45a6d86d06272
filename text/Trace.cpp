#include "text/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "text/FichiersTexte.h"

namespace {

// Constant-initialised, so the first Trace of two threads cannot race on its creation.
std::mutex verrouTrace;

std::map<std::string, std::string>& TableOptionsTrace() {
    static std::map<std::string, std::string> table;
    return table;
}

}  // namespace

int Trace(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    int ecrits;
    {
        std::lock_guard<std::mutex> verrou(verrouTrace);
        ecrits = std::vprintf(format, arguments);
        // Flushed line by line so that diagnostics survive a crash that follows them.
        std::fflush(stdout);
    }
    va_end(arguments);
    return ecrits;
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
