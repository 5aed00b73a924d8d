// Thread timers' ticks that fall due at the same moment reach the GUI thread as one call. Each
// worker says which beat it waits for; at the beat the last of them to arrive hands all their
// ticks over together, and the others wait until those have run. Workers of the memory window's
// two headings wake a few hundred microseconds apart, so without this each tick woke the GUI
// thread once per heading: a trip to the wineserver and back for each under Wine.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/wake_event.h"

namespace beat_batch {

// The next multiple of `intervalMs` on the steady clock after now, in milliseconds.
std::int64_t NextBeat(unsigned intervalMs);
// Milliseconds from now until `beat`; 0 once it has passed.
unsigned UntilBeat(std::int64_t beat);

// The calling worker will tick at `beat` or withdraw.
void Expect(std::int64_t beat);
// The calling worker does not tick at `beat` after all. When every other worker due then is
// already waiting, their ticks are handed over now, `handedBack` serving as this worker's wait.
void Withdraw(std::int64_t beat, TWakeEvent& handedBack);
// Runs `tick` on the GUI thread with the other ticks of the beat; returns once it has run.
// `handedBack` belongs to the caller and is set when its tick has run.
void Tick(std::int64_t beat, std::function<void()> tick, TWakeEvent& handedBack);

}  // namespace beat_batch
