#include "ui/drawn/menu_tracker.h"

namespace {

bool Selectable(const TMenuEntry& entry) { return entry.enabled && entry.caption != "-"; }

bool ValidRow(const TMenuLevel& level, int row)
{
    return row >= 0 && row < static_cast<int>(level.items->size());
}

const TMenuEntry& Entry(const TMenuLevel& level, int row)
{
    return (*level.items)[static_cast<std::size_t>(row)];
}

}  // namespace

TMenuTracker::TMenuTracker(const std::vector<TMenuEntry>& items) { FLevels.push_back({&items}); }

void TMenuTracker::Move(int step)
{
    TMenuLevel& level = Deepest();
    const int count = static_cast<int>(level.items->size());
    int row = level.selected < 0 ? (step > 0 ? -1 : count) : level.selected;
    for (int tried = 0; tried < count; ++tried) {
        row = (row + step + count) % count;
        if (Selectable(Entry(level, row))) {
            level.selected = row;
            return;
        }
    }
}

// Return or a click on the selected entry of `level`: a submenu opens with its first entry
// selected, a plain entry is chosen.
TMenuOutcome TMenuTracker::Enter(std::size_t level)
{
    FLevels.resize(level + 1);
    const TMenuLevel& at = FLevels[level];
    if (!ValidRow(at, at.selected) || !Selectable(Entry(at, at.selected)))
        return TMenuOutcome::Open;
    const TMenuEntry& entry = Entry(at, at.selected);
    if (entry.items.empty()) {
        FCommand = entry.command;
        return TMenuOutcome::Chosen;
    }
    FLevels.push_back({&entry.items});
    Move(1);
    return TMenuOutcome::Open;
}

TMenuOutcome TMenuTracker::Key(TKey key)
{
    switch (key) {
    case TKey::Down:
        Move(1);
        break;
    case TKey::Up:
        Move(-1);
        break;
    case TKey::Right: {
        const TMenuLevel& level = Deepest();
        if (ValidRow(level, level.selected) && !Entry(level, level.selected).items.empty())
            return Enter(FLevels.size() - 1);
        break;
    }
    case TKey::Return:
        return Enter(FLevels.size() - 1);
    case TKey::Left:
        if (FLevels.size() > 1)
            FLevels.pop_back();
        break;
    case TKey::Escape:
        if (FLevels.size() == 1)
            return TMenuOutcome::Dismissed;
        FLevels.pop_back();
        break;
    default:
        break;
    }
    return TMenuOutcome::Open;
}

void TMenuTracker::Hover(int level, int row)
{
    if (level < 0 || level >= static_cast<int>(FLevels.size()))
        return;
    const auto index = static_cast<std::size_t>(level);
    TMenuLevel& at = FLevels[index];
    // Off its entries the pointer leaves an open submenu's entry lit, as it leaves the submenu.
    if (!ValidRow(at, row)) {
        if (index + 1 == FLevels.size())
            at.selected = -1;
        return;
    }
    if (at.selected == row && index + 1 < FLevels.size())
        return;
    FLevels.resize(index + 1);
    at.selected = Selectable(Entry(at, row)) ? row : -1;
    if (at.selected >= 0 && !Entry(at, row).items.empty())
        FLevels.push_back({&Entry(at, row).items});
}

TMenuOutcome TMenuTracker::Click(int level, int row)
{
    if (level < 0 || level >= static_cast<int>(FLevels.size()))
        return TMenuOutcome::Dismissed;
    const auto index = static_cast<std::size_t>(level);
    if (!ValidRow(FLevels[index], row) || !Selectable(Entry(FLevels[index], row)))
        return TMenuOutcome::Open;
    if (!Entry(FLevels[index], row).items.empty()) {
        Hover(level, row);
        return TMenuOutcome::Open;
    }
    FLevels[index].selected = row;
    return Enter(index);
}
