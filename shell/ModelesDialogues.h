#pragma once
// The templates of the main window (47001), the help window (47601) and the
// credits window (47603).
#include "platform/dialogue/ModeleDialogue.h"

ModeleDialogue ModeleThesaurus();
ModeleDialogue ModeleAide();
ModeleDialogue ModeleCredits();
