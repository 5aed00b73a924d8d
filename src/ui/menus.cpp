// Menu items, auto-check with radio groups, and pop-up menus shown through the backend.
#include "ui/menus.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/imagelist.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { }

TMenuItem::~TMenuItem()
{
    MarkDestroying();
    if (FParent != nullptr)
        FParent->Remove(this);
    std::vector<TMenuItem*> items;
    items.swap(FItems);
    for (TMenuItem* item : items) {
        item->FParent = nullptr;
        if (item->Owner() == nullptr)
            delete item;
    }
}

void TMenuItem::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    if (!value || !FRadioItem || FParent == nullptr)
        return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
            sibling->FChecked = false;
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (item->FParent != nullptr)
        item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end())
        return;
    FItems.erase(it);
    item->FParent = nullptr;
}

std::vector<std::string> TMenuItem::Path() const
{
    std::vector<std::string> path;
    for (const TMenuItem* item = this; item->FParent != nullptr; item = item->FParent)
        path.insert(path.begin(), item->FCaption);
    return path;
}

TPopupMenu* TMenuItem::Menu() const
{
    const TMenuItem* root = this;
    while (root->FParent != nullptr)
        root = root->FParent;
    return root->FMenu;
}

void TMenuItem::Click()
{
    if (!FEnabled)
        return;
    if (FAutoCheck)
        SetChecked(FRadioItem ? true : !FChecked);
    if (OnClick)
        OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(nullptr))
{
    FItems->FMenu = this;
}

TPopupMenu::~TPopupMenu() { delete FItems; }

void TPopupMenu::SetImages(TImageList* images)
{
    if (FImages == images)
        return;
    RemoveFreeNotification(FImages);
    FImages = images;
    FreeNotification(images);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == FImages)
        FImages = nullptr;
    if (component == FPopupComponent)
        FPopupComponent = nullptr;
}

void TPopupMenu::AddEntries(const TMenuItem* parent, std::vector<TMenuEntry>& out,
                            int& command) const
{
    for (const TMenuItem* item : parent->FItems) {
        if (!item->FVisible)
            continue;
        TMenuEntry entry;
        entry.caption = item->FCaption;
        entry.command = ++command;
        entry.enabled = item->FEnabled;
        entry.checked = item->FChecked;
        entry.radio = item->FRadioItem;
        entry.isDefault = item->FDefault;
        if (FImages != nullptr)
            entry.picture = FImages->Bitmap(item->FImageIndex);
        AddEntries(item, entry.items, command);
        out.push_back(std::move(entry));
    }
}

std::vector<TMenuEntry> TPopupMenu::Entries() const
{
    std::vector<TMenuEntry> entries;
    int command = 0;
    AddEntries(FItems, entries, command);
    return entries;
}

TMenuItem* TPopupMenu::FindCommand(int command) const
{
    // The same depth-first numbering as Entries.
    int counter = 0;
    std::function<TMenuItem*(const TMenuItem*)> walk = [&](const TMenuItem* parent) -> TMenuItem* {
        for (TMenuItem* item : parent->FItems) {
            if (!item->FVisible)
                continue;
            if (++counter == command)
                return item;
            if (TMenuItem* found = walk(item))
                return found;
        }
        return nullptr;
    };
    return walk(FItems);
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    int command = CurrentBackend().TrackPopupMenu(Entries(), {x, y});
    if (TMenuItem* item = FindCommand(command))
        Application().Guard([item] { item->Click(); });
}
