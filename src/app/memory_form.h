// The memory window: a pop-out panel beside the main window with physical memory (total and
// available, as text and on two track bars) and the process's virtual address space, read as
// it shows and then twice a second while it stays on the screen. It slides out from its host's ">>"
// button (the main window), takes the host's width, colour and transparency, drags by its body, and
// hands every key typed in it to the host.
//
// Split by job: memory_form.cpp (design), memory_figures.cpp (the refresh),
// memory_reactions.cpp (placement on show, transparency, clicks and keys); the slide itself
// belongs to the main window's button (memory_slide.cpp).
#pragma once

#include "app/memory_host.h"
#include "platform/services.h"

class TImage;
class TSystemInfo;
class TLinkLabel;
class TCheckBox;
class TLabel;
class TTimer;
class TBorder;
class TLevelBar;
class TScrollText;
class TTrackBar;
class TPushButton;

class TMemoryPanel : public TMemoryWindow {
public:
    TMemoryPanel(TComponent* owner, IMemoryWindowHost& host, sw::PlatformServices services);

    // The controls in creation order: later ones paint over earlier ones.
    TBorder* TitleBorder = nullptr;
    TLabel* PhysicalTotalHeading = nullptr;
    TLabel* VirtualAvailableFigure = nullptr;
    TLabel* VirtualTotalFigure = nullptr;
    TLabel* PhysicalAvailableHeading = nullptr;
    TScrollText* MemoryHeading = nullptr;
    TLevelBar* AvailableLevel = nullptr;
    TLabel* PhysicalAvailableFigure = nullptr;
    TLabel* PhysicalTotalFigure = nullptr;
    TLabel* VirtualTotalHeading = nullptr;
    TLabel* VirtualAvailableHeading = nullptr;
    TScrollText* VirtualMemoryHeading = nullptr;
    TImage* ProgramIcon = nullptr;
    TLabel* AvailableScaleLabel = nullptr;
    TLabel* TotalScaleLabel = nullptr;
    TLinkLabel* ProductLink = nullptr;
    TTrackBar* TotalTrackBar = nullptr;
    TTrackBar* AvailableTrackBar = nullptr;
    TPushButton* CloseButton = nullptr;
    TCheckBox* RamCheckBox = nullptr;
    TSystemInfo* SysInfo = nullptr;
    TTimer* RefreshTimer = nullptr;

    // Copies the host's transparency: blending and the alpha of its percentage.
    void SyncTransparency() override;

    void FormShow(TObject* sender);
    // Every close, by the own button, the host's slide or the platform (Alt+F4), tells the host.
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshFigures(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void CloseButtonKeyPress(TObject* sender, char& key);
    void ProductLinkMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x,
                              int y);
    // The check box is never enabled; its click has nothing to do.
    void RamCheckBoxClick(TObject* /*sender*/) { }

protected:
    void Moved() override { FHost.MemoryWindowMoved(); }
    void ScreenPresenceChanged() override;
    // Its own monitor's scale changed: the shown height is the design's again, at that scale.
    void DpiChanged() override;
    // The program's picture is drawn afresh at the scale, not stretched.
    void ChangeScale(int m, int d) override;

private:
    void CreateFigureLabels();
    void CreateHeadingsAndPicture();
    void CreateLink();
    void CreateGauges();
    void CreateButtons();
    // A label in the window's font, sized to its text.
    TLabel* NewLabel(const char* name, int left, int top, const char* caption);
    TLabel* NewBoldLabel(const char* name, int left, int top, const char* caption,
                         int fontHeight = -11);
    TScrollText* NewHeading(const char* name, int top, const char* caption);
    TTrackBar* NewTrackBar(const char* name, int top);

    IMemoryWindowHost& FHost;
    sw::PlatformServices FServices;
};
