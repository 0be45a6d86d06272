#include "lexique/enregistrements/declinaison.h"

declinaison::~declinaison() = default;
