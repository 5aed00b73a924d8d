// The tray icon's pop-up menu and the image list its pictures come from. Items are made top to
// bottom; the transparency and model items are auto-check radio items, one group per submenu.
#include "app/main_form.h"

#include <utility>

#include "app/pictures.h"
#include "ui/imagelist.h"
#include "ui/menus.h"

void TMainWindow::CreateTrayMenu()
{
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    ImageList1->Add(ExitMenuPicture(), clDefault);
    ImageList1->Add(ShowMenuPicture(), clDefault);

    TrayMenu = new TPopupMenu(this);
    TrayMenu->SetName("TrayMenu");
    TrayMenu->SetImages(ImageList1);
    TMenuItem* root = TrayMenu->Items();

    OnTop1 = NewItem(root, "OnTop1", "Always On Top");
    OnTop1->SetAutoCheck(true);
    OnTop1->OnClick = [this](TObject* s) { OnTop1Click(s); };
    GB1 = NewItem(root, "GB1", "GB");
    GB1->SetAutoCheck(true);
    GB1->OnClick = [this](TObject* s) { GB1Click(s); };

    Transparency1 = NewItem(root, "Transparency1", "Transparency");
    const TNotifyEvent transparency = [this](TObject* s) { N01Click(s); };
    N01 = NewRadioItem(Transparency1, "N01", "0%", 0, transparency);
    N101 = NewRadioItem(Transparency1, "N101", "10%", 10, transparency);
    N201 = NewRadioItem(Transparency1, "N201", "20%", 20, transparency);
    N301 = NewRadioItem(Transparency1, "N301", "30%", 30, transparency);
    N401 = NewRadioItem(Transparency1, "N401", "40%", 40, transparency);
    N501 = NewRadioItem(Transparency1, "N501", "50%", 50, transparency);
    N601 = NewRadioItem(Transparency1, "N601", "60%", 60, transparency);
    N701 = NewRadioItem(Transparency1, "N701", "70%", 70, transparency);
    Custom1 = NewRadioItem(Transparency1, "Custom1", "Custom...", 0, nullptr);
    Custom1->SetEnabled(false);
    N3 = NewItem(root, "N3", "-");

    Model1 = NewItem(root, "Model1", "Model");
    const TNotifyEvent model = [this](TObject* s) { N11Click(s); };
    N11 = NewRadioItem(Model1, "N11", "[1]: Percentages", 1, model);
    N21 = NewRadioItem(Model1, "N21", "[2]: Percentage, Value", 2, model);
    N21->SetChecked(true);
    N31 = NewRadioItem(Model1, "N31", "[3]: Value, Percentage", 3, model);
    N41 = NewRadioItem(Model1, "N41", "[4]: Value, Value", 4, model);
    N51 = NewRadioItem(Model1, "N51", "[5]: Total", 5, model);
    N2 = NewItem(root, "N2", "-");

    // Not auto-check: its handler moves the check only once the registry agreed.
    AutoStart1 = NewItem(root, "AutoStart1", "AutoStart");
    AutoStart1->OnClick = [this](TObject* s) { AutoStart1Click(s); };
    // Saved with the settings; it acts at the next start.
    StartMinimized1 = NewItem(root, "StartMinimized1", "Start Minimized");
    StartMinimized1->SetAutoCheck(true);
    N1 = NewItem(root, "N1", "-");

    ShowTully1 = NewItem(root, "ShowTully1", "Show Tully");
    ShowTully1->SetImageIndex(1);
    ShowTully1->OnClick = [this](TObject* s) { ShowTully1Click(s); };
    Exit1 = NewItem(root, "Exit1", "Exit");
    Exit1->SetImageIndex(0);
    Exit1->OnClick = [this](TObject* s) { Exit1Click(s); };
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
    item->SetAutoCheck(true);
    item->SetRadioItem(true);
    item->OnClick = std::move(onClick);
    return item;
}
