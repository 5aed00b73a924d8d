// What the keys and the mouse do to an open pop-up menu and its open submenus: Up and Down
// move the bar (wrapping, over separators and disabled entries), Right or Return opens a
// submenu, Left or Escape closes one level, Return chooses; the pointer highlights what it is
// over and opens submenus, a click chooses, a click outside dismisses.
#pragma once

#include <vector>

#include "ui/backend.h"

// One open menu: the top one first, then each open submenu.
struct TMenuLevel {
    const std::vector<TMenuEntry>* items = nullptr;
    int selected = -1;
};

enum class TMenuOutcome { Open, Chosen, Dismissed };

class TMenuTracker {
public:
    explicit TMenuTracker(const std::vector<TMenuEntry>& items);

    const std::vector<TMenuLevel>& Levels() const { return FLevels; }
    // The chosen entry's command once the outcome is Chosen, else 0.
    int Command() const { return FCommand; }

    TMenuOutcome Key(TKey key);
    // The pointer is over entry `row` (-1: none) of level `level`.
    void Hover(int level, int row);
    // A press or a click on entry `row` (-1: none) of level `level`; level -1 is outside every
    // menu, which dismisses them all.
    TMenuOutcome Click(int level, int row);

private:
    TMenuLevel& Deepest() { return FLevels.back(); }
    void Move(int step);
    TMenuOutcome Enter(std::size_t level);

    std::vector<TMenuLevel> FLevels;
    int FCommand = 0;
};
