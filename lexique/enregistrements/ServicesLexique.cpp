#include "lexique/enregistrements/ServicesLexique.h"

namespace {
ServicesLexique* servicesCourants = nullptr;
}  // namespace

ServicesLexique* ServicesCourants() { return servicesCourants; }

void FixerServicesCourants(ServicesLexique* lexique) { servicesCourants = lexique; }

void OublierServicesCourants(const ServicesLexique* lexique) {
    if (servicesCourants == lexique) servicesCourants = nullptr;
}
