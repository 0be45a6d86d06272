#include "conjugation/enregistrements/declinaison.h"

declinaison::~declinaison() = default;
