#pragma once
// The "conjugaison" command of the main window: the verb's text from the
// conjugation database, shown in its own modal window.
#include <string>

// Shows the verb's table, or the warning that it cannot be shown. True when
// the window was shown; false, with nothing shown, when the database cannot
// be put on disk.
bool ZephJugaison(const std::string& verbe);
