// The tray icon's pop-up menu and the image list its pictures come from. Items are made top to
// bottom; the transparency and model items are radio items, one group per submenu. No item
// checks itself: each handler changes the settings, and the check marks follow them.
#include "app/main_form.h"

#include <string>
#include <utility>

#include "app/pictures.h"
#include "ui/imagelist.h"
#include "ui/menus.h"

// At the window's scale: the menu shows them at their own size.
void TMainWindow::DrawMenuPictures()
{
    const int size = Scaled(kMenuPictureSize);
    MenuPictures->SetWidth(size);
    MenuPictures->SetHeight(size);
    MenuPictures->Clear();
    MenuPictures->Add(ExitMenuPicture(PixelsPerInch()), clDefault);
    MenuPictures->Add(ShowMenuPicture(PixelsPerInch()), clDefault);
}

void TMainWindow::CreateTrayMenu()
{
    MenuPictures = new TImageList(this);
    MenuPictures->SetName("MenuPictures");
    DrawMenuPictures();

    TrayMenu = new TPopupMenu(this);
    TrayMenu->SetName("TrayMenu");
    TrayMenu->SetImages(MenuPictures);
    TMenuItem* root = TrayMenu->Items();

    OnTopItem = NewItem(root, "OnTopItem", "Always On Top");
    OnTopItem->OnClick = [this](TObject* s) { OnTopChosen(s); };
    GigabytesItem = NewItem(root, "GigabytesItem", "GB");
    GigabytesItem->OnClick = [this](TObject* s) { UnitChosen(s); };

    TransparencyMenu = NewItem(root, "TransparencyMenu", "Transparency");
    const TNotifyEvent transparency = [this](TObject* s) { TransparencyChosen(s); };
    for (int i = 0; i < kTransparencyItemCount; ++i) {
        const std::string percent = std::to_string(10 * i);
        TransparencyItems[i] = NewRadioItem(TransparencyMenu, ("Transparency" + percent).c_str(),
                                            (percent + "%").c_str(), 10 * i, transparency);
    }
    CustomTransparencyItem =
        NewRadioItem(TransparencyMenu, "CustomTransparencyItem", "Custom...", 0, nullptr);
    CustomTransparencyItem->SetEnabled(false);
    NewItem(root, "Separator3", "-");

    ModelMenu = NewItem(root, "ModelMenu", "Model");
    const TNotifyEvent model = [this](TObject* s) { ModelChosen(s); };
    static constexpr const char* kModelCaptions[kModelItemCount] = {
        "[1]: Percentages", "[2]: Percentage, Value", "[3]: Value, Percentage", "[4]: Value, Value",
        "[5]: Total"};
    for (int i = 0; i < kModelItemCount; ++i)
        ModelItems[i] = NewRadioItem(ModelMenu, ("Model" + std::to_string(i + 1)).c_str(),
                                     kModelCaptions[i], i + 1, model);
    ModelItems[1]->SetChecked(true);
    NewItem(root, "Separator2", "-");

    // Its handler moves the check only once the system agreed.
    AutoStartItem = NewItem(root, "AutoStartItem", "AutoStart");
    AutoStartItem->OnClick = [this](TObject* s) { AutoStartChosen(s); };
    // Saved with the settings; it acts at the next start.
    StartMinimizedItem = NewItem(root, "StartMinimizedItem", "Start Minimized");
    StartMinimizedItem->OnClick = [this](TObject* s) { StartMinimizedChosen(s); };
    WarnWhenLowItem = NewItem(root, "WarnWhenLowItem", "Warn When Low");
    WarnWhenLowItem->SetChecked(true);
    WarnWhenLowItem->OnClick = [this](TObject* s) { WarnWhenLowChosen(s); };
    NewItem(root, "Separator1", "-");

    ShowItem = NewItem(root, "ShowItem", "Show Tully");
    ShowItem->SetImageIndex(1);
    ShowItem->OnClick = [this](TObject* s) { ShowChosen(s); };
    ExitItem = NewItem(root, "ExitItem", "Exit");
    ExitItem->SetImageIndex(0);
    ExitItem->OnClick = [this](TObject* s) { ExitChosen(s); };
}

TMenuItem* TMainWindow::NewItem(TMenuItem* parent, const char* name, const char* caption, int tag)
{
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetTag(tag);
    parent->Add(item);
    return item;
}

TMenuItem* TMainWindow::NewRadioItem(TMenuItem* parent, const char* name, const char* caption,
                                     int tag, TNotifyEvent onClick)
{
    TMenuItem* item = NewItem(parent, name, caption, tag);
    item->SetRadioItem(true);
    item->OnClick = std::move(onClick);
    return item;
}
