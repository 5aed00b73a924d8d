// Pop-up menus. Items form a tree; a chosen item's Click() first applies auto-check (a radio
// item becomes checked and unchecks the other radio items of its GroupIndex under the same
// parent; other items toggle) and then runs OnClick.
#pragma once

#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/component.h"

class TImageList;
class TPopupMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    // Frees the child items nobody owns; owned children are only detached.
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption) { FCaption = caption; }
    bool IsLine() const { return FCaption == "-"; }
    bool Checked() const { return FChecked; }
    // Checking a radio item unchecks the other radio items of its group.
    void SetChecked(bool value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value) { FRadioItem = value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }

    TMenuItem* Parent() const { return FParent; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    const std::vector<TMenuItem*>& ItemList() const { return FItems; }
    int IndexOf(const TMenuItem* item) const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // The item's caption path below the menu's root, e.g. {"Transparency", "50%"}.
    std::vector<std::string> Path() const;
    TPopupMenu* Menu() const;

    virtual void Click();

    TNotifyEvent OnClick;

private:
    friend class TPopupMenu;

    std::string FCaption;
    bool FChecked = false;
    bool FAutoCheck = false;
    bool FRadioItem = false;
    int FGroupIndex = 0;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    int FImageIndex = -1;
    TMenuItem* FParent = nullptr;
    TPopupMenu* FMenu = nullptr;
    std::vector<TMenuItem*> FItems;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // The invisible root whose children are the top-level items.
    TMenuItem* Items() const { return FItems; }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* component) { FPopupComponent = component; }

    // Shows the menu at a screen point; returns after it closed, the chosen item clicked.
    virtual void Popup(int x, int y);
    // The entries the platform is shown; commands are positions in depth-first order, from 1.
    std::vector<TMenuEntry> Entries() const;
    TMenuItem* FindCommand(int command) const;

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void AddEntries(const TMenuItem* parent, std::vector<TMenuEntry>& out, int& command) const;

    TMenuItem* FItems;
    TImageList* FImages = nullptr;
    TComponent* FPopupComponent = nullptr;
};
