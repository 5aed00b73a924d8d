// The main window: a borderless, alpha-blended strip with a title band, three title buttons, the
// memory window's ">>" button and one meter row per drive, rebuilt by every scan. Dragging
// anywhere on its body moves it; a tray icon with its menu, single keys and the hotkey
// Ctrl+Alt+D hide, show, refresh and configure it.
//
// The class is split by job: main_form.cpp (design), main_menu.cpp (tray menu and pictures),
// main_lifecycle.cpp (creation, close, hide and show), main_reactions.cpp (keys, hotkey, tray
// clicks, menu handlers), main_rows.cpp (scan and meter rows), main_settings.cpp (settings file
// and autostart), main_warning.cpp (nearly full drives, and opening a drive), main_desk.cpp
// (monitors and drives that change) and memory_slide.cpp (the ">>" button). It is the memory
// window's host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/memory_host.h"
#include "app/settings.h"
#include "app/tray_hiding.h"
#include "controls/tray_icon.h"
#include "meter/drive_scanner.h"
#include "meter/low_space.h"
#include "platform/services.h"

class TImageList;
class TGradientBar;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TTimer;
class TBorder;
class TPushButton;

class TMainWindow : public TBodyDragForm, public IMemoryWindowHost {
public:
    TMainWindow(TComponent* owner, sw::PlatformServices services);

    TLabel* TitleLabel = nullptr;
    TBorder* TitleBorder = nullptr;
    TPushButton* CloseButton = nullptr;
    TPushButton* HideButton = nullptr;
    TPushButton* RefreshButton = nullptr;
    TPushButton* MemoryButton = nullptr;
    // Measures the drives again every kWatchMs, shown or hidden.
    TTimer* WatchTimer = nullptr;
    TTrayIcon* TrayIcon = nullptr;
    TPopupMenu* TrayMenu = nullptr;
    TImageList* MenuPictures = nullptr;

    TMenuItem* OnTopItem = nullptr;
    TMenuItem* GigabytesItem = nullptr;
    TMenuItem* TransparencyMenu = nullptr;
    static constexpr int kTransparencyItemCount = 8;
    // 0% to 70% in steps of ten; an item's tag is its percentage.
    TMenuItem* TransparencyItems[kTransparencyItemCount] = {};
    TMenuItem* CustomTransparencyItem = nullptr;
    TMenuItem* ModelMenu = nullptr;
    static constexpr int kModelItemCount = 5;
    // Models 1 to 5; an item's tag is its model.
    TMenuItem* ModelItems[kModelItemCount] = {};
    TMenuItem* AutoStartItem = nullptr;
    TMenuItem* StartMinimizedItem = nullptr;
    TMenuItem* WarnWhenLowItem = nullptr;
    TMenuItem* ShowItem = nullptr;
    TMenuItem* ExitItem = nullptr;

    // The memory window, created by program start right after this one.
    TMemoryWindow* MemoryPanel = nullptr;

    // What the hotkey believes: true while the main window is shown.
    bool WindowShown = false;
    // Set when the memory window is first slid open, never cleared: from then on it follows
    // every change of transparency, open or closed.
    bool MemoryWindowEverOpened = false;
    // Whether the memory window is open now; the ">>"/"<<" caption shows it.
    bool MemoryWindowOpen() const { return FMemoryWindowOpen; }

    // Creation and lifecycle.
    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void ApplyStartMinimized();
    // Ctrl+Alt+D; another program may hold the combination, and then the hotkey does nothing.
    void RegisterHotkey();
    void CloseButtonClick(TObject* sender);
    void ExitChosen(TObject* sender);
    void HideButtonClick(TObject* sender);
    void SetWindowShown(bool show);
    void ShowChosen(TObject* sender);
    void MemoryButtonClick(TObject* sender);
    // The open memory window appears and goes with this window, whichever way it does.
    void FormShow(TObject* sender);
    void FormHide(TObject* sender);
    // A second start of the program asked for this window: shown as the hotkey shows a hidden
    // one, brought to the front when already shown.
    void ShowForSecondStart();
    // Often enough that a filling disk is noticed well within a minute, seldom enough that the
    // program hidden in the tray costs next to nothing.
    static constexpr unsigned kWatchMs = 10000;
    // The drives measured again (main_watch.cpp): shown, the rows whose figures changed are
    // made again in place and the window presents once, and not at all when nothing changed;
    // hidden, only the tooltip, the tray's picture and the balloon follow.
    void KeepWatch();

    // The desk changing under the program (main_desk.cpp; the session's end in
    // main_lifecycle.cpp). At the session's end the settings are saved as a close saves them,
    // silently when that fails, and the program ends.
    void SessionEnded() override;
    // A change of the monitors comes first, and the taskbar settles on the new work area later:
    // both windows are fitted again at each.
    void DisplaysChanged() override;
    void WorkAreaChanged() override;
    // The rows are laid out again from the design at the new scale.
    void DpiChanged() override;
    void ChangeScale(int m, int d) override;
    // Drives came or went: one scan for the announcements of half a second.
    void DrivesChanged(bool arrival, const std::string& letters) override;
    // Moves the main window just enough to lie wholly on its monitor's work area (its top on
    // it when taller), the open memory window following: done whenever it is placed or its
    // height changes.
    void FitOnWorkArea();
    // The main window as FitOnWorkArea puts it, then the open memory window wholly on a work
    // area too, beside the main window again where it no longer lies wholly on one.
    void FitBothOnWorkArea();
    // Looks at the work areas again for a while, fitting both windows when they changed
    // unannounced.
    void WatchDeskSettle();
    // Waits for drive announcements to settle; made at the first one.
    TTimer* VolumeTimer = nullptr;

    // Reactions.
    void HandleShortcutKey(char key) override;
    void RefreshButtonKeyPress(TObject* sender, char& key);
    void HideButtonKeyPress(TObject* sender, char& key);
    void CloseButtonKeyPress(TObject* sender, char& key);
    void MemoryButtonKeyPress(TObject* sender, char& key);
    void RefreshButtonKeyDown(TObject* sender, TKey& key, TShiftState shift);
    // The window previews keys but leaves them to the focused button.
    void FormKeyDown(TObject* sender, TKey& key, TShiftState shift);
    void RefreshButtonClick(TObject* sender);
    void UnitChosen(TObject* sender);
    void OnTopChosen(TObject* sender);
    void StartMinimizedChosen(TObject* sender);
    void WarnWhenLowChosen(TObject* sender);
    void TransparencyChosen(TObject* sender);
    void ModelChosen(TObject* sender);
    void TrayIconClick(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void TrayIconMouseMove(TObject* sender, TShiftState shift, int x, int y);
    void SetModel(int value);
    void SetTransparency(int value);
    // Stores the unit, shows it in the menu and scans with it, also when it did not change.
    void ChooseUnit(bool gigabytes);
    // Stores the option, shows it in the menu and gives the window its style.
    void ChooseOnTop(bool onTop);
    void SetStartMinimized(bool value);
    void SetAutoStart(bool value);
    // Off: every bar in its kind's colours, the plain tray icon, no balloon, and drives already
    // warned of are forgotten.
    void SetWarnWhenLow(bool value);
    void ApplyTransparency();
    // Marks the caption model's menu item as chosen; nothing for models outside 1..5.
    void CheckModelItem(int model);
    // Scans now, or, when a scan has just run and input that came meanwhile is not yet handled,
    // once after that input: a held R, F5, tray clicks or hotkeys fold into one more scan.
    void RefreshMeters();

    // Settings and autostart.
    // Reads `fileName` into the settings and applies them, in the order the scans need.
    void LoadSettings(const std::string& fileName);
    void SaveSettings();
    // The settings with the window's place as it is now.
    Settings CurrentSettings() const;
    void AutoStartChosen(TObject* sender);

    // What the memory window takes from this window.
    TRect HostBounds() const override { return BoundsRect(); }
    TColor HostColor() const override { return Color(); }
    bool MainAlphaBlend() const override { return AlphaBlend(); }
    int MainTransparency() const override { return FSettings.transparency; }
    void MemoryWindowClosed() override;
    void MemoryWindowMoved() override { KeepMemoryPanelOffset(); }

    // Walks the drives and rebuilds the meter rows; unit "GB" for gigabytes, else megabytes.
    void ScanDrives(const std::string& unit);
    // One drive's row: letter label and gradient bar in the row's slot; the scan then ends the
    // window 8 pixels below the last row's bar.
    void AddMeterRow(const sw::MeterRow& row);

    int Model() const { return FSettings.model; }
    int Transparency() const { return FSettings.transparency; }
    std::string SizeUnit() const { return FSettings.gigabytes ? "GB" : "MB"; }
    const std::string& UnitSuffix() const { return FScanner.UnitSuffix(); }
    // The last scan's summary of free and total space, for the tray icon's tooltip.
    const std::string& TrayHint() const { return FTrayHint; }
    // The settings file chosen at creation: the executable's path with the extension ".ini"
    // when that file can be written, else "spacewell.ini" in the user's "Spacewell" folder.
    const std::string& SettingsFileName() const { return FSettingsFile; }

    struct MeterRowControls {
        TLabel* label;
        TGradientBar* bar;
    };
    // The rows of the latest scan, in the order they were made.
    const std::vector<MeterRowControls>& MeterRows() const { return FRows; }

    // The open memory window keeps its side and offset as this window moves.
    void MemoryPanelFollows();
    // The open memory window centred again on this window, whose height changed.
    void MemoryPanelCentres();
    // Nearly full drives (main_warning.cpp): whether this row's bar takes the warning ramp.
    bool ShowsLowSpace(const sw::MeterRow& row) const;
    // Whether the tray shows the warning picture.
    bool WarningIconShown() const { return FWarningIconShown; }
    // Opens the drive's root folder in the file manager; a CD-ROM drive without a disc says so
    // in a message box, any other drive without a medium does nothing.
    void OpenDrive(const sw::MeterRow& row);

protected:
    void HotkeyPressed(int id) override;
    void Moved() override { MemoryPanelFollows(); }

private:
    // Ctrl+Alt+D's registration for this window: one id, registered at creation, freed at close.
    static constexpr int kHotkeyId = 1;
    // The system's small-icon size at 100 %, the tray's picture in design pixels.
    static constexpr int kTrayIconSize = 16;
    // The tray menu's pictures, in design pixels.
    static constexpr int kMenuPictureSize = 16;
    // The tray icon as designed: in the task list, hiding on minimize, restored or minimized by
    // a click, but without the taskbar (bit mask 0xA6).
    static constexpr TTrayVisibilities kTrayOnly =
        TrayVisibilities({tvVisibleTaskList, tvAutoHide, tvRestoreClick, tvMinimizeClick});

    void CreateTitleBand();
    void CreateButtons();
    void CreateTrayIcon();
    void CreateTrayMenu();
    void DrawMenuPictures();
    TMenuItem* NewItem(TMenuItem* parent, const char* name, const char* caption, int tag = 0);
    TMenuItem* NewRadioItem(TMenuItem* parent, const char* name, const char* caption, int tag,
                            TNotifyEvent onClick);
    // The one place the open state changes, and with it the button's caption.
    void SetMemoryWindowOpen(bool open);
    void SetMemoryWindowVisible(bool visible);
    // Takes the memory window's place beside this window as the one to keep.
    void KeepMemoryPanelOffset();
    void FitMemoryPanel();
    void DeskSettleCheck();
    // The window is about to appear: its figures are read afresh, as R reads them.
    void RefreshBeforeShowing();
    void RemoveMeterRows();
    void ApplyRowsHeight();
    void ScanAndSettle();
    void RefreshSettled();
    MeterRowControls NewMeterRow(const sw::MeterRow& row);
    // Puts the figures of a watch into the shown rows: in place when the drives are the ones
    // the rows show, else by a scan.
    void ShowWatchedRows(const std::vector<sw::MeterRow>& rows);
    void ReplaceMeterRow(std::size_t index, const sw::MeterRow& row);
    void SetTrayHint(const std::string& hint);
    TLabel* NewRowLabel(const sw::MeterRow& row);
    TGradientBar* NewRowBar(const sw::MeterRow& row);
    void ApplyMeterCaption(TGradientBar& bar, const sw::MeterRow& row);
    // How the scan's workers reach this window's thread with a late answer.
    sw::GuiThreadHooks ScanHooks();
    // After a scan: the tray's picture, and one balloon for the drives that became low.
    void WarnOfLowSpace();
    void ShowWarningIcon(bool show);
    // The tray's picture at the small-icon size of the scale, warning or not.
    TBitmap TrayPicture() const;

    sw::PlatformServices FServices;
    sw::DriveScanner FScanner;
    // The menu's check marks follow it; the window's place is read from the window itself.
    Settings FSettings;
    std::string FTrayHint;
    std::string FSettingsFile;
    std::vector<MeterRowControls> FRows;
    // The height the scan's last row asks for; 0 while it has made none.
    int FRowsHeight = 0;
    // Runs once the input that came during a scan has been handled (timers come last).
    TTimer* FRefreshSettle = nullptr;
    bool FRefreshPending = false;
    // The latest scan's row requests, for the low-space watch and the drives' watch.
    std::vector<sw::MeterRow> FScannedRows;
    // What the tray icon hides and restores: the application with this window.
    TTrayHiding FTrayHiding;
    // A watch while hidden measured figures that the rows do not show.
    bool FRowsStale = false;
    sw::LowSpaceWatch FLowSpace;
    bool FWarningIconShown = false;
    bool FMemoryWindowOpen = false;
    // The open memory window's top-left corner less this window's (screen pixels).
    TPoint FMemoryPanelOffset;
    // The work areas last fitted to, and the checks left while the desk settles.
    TTimer* FDeskSettle = nullptr;
    std::vector<TRect> FSettledWorkAreas;
    int FDeskChecksLeft = 0;
};
