// The system colours the headless backend draws with, as a registry file for a Wine prefix's
// "Control Panel\Colors", so that Wine draws system colours exactly as the snapshot does.
#pragma once

#include <ostream>

void WriteColorsReg(std::ostream& out);
