// The main window: a borderless, alpha-blended strip with a title band and one meter row per
// drive, rebuilt by every scan. Dragging anywhere on its body moves it.
#pragma once

#include <string>
#include <vector>

#include "meter/drive_scanner.h"
#include "platform/services.h"
#include "ui/form.h"

class TLabel;
class TTimer;
class TVrBorder;
class TJvSpecialProgress;

class TForm1 : public TForm {
public:
    TForm1(TComponent* owner, sw::PlatformServices services);

    TLabel* Label_Form = nullptr;
    TVrBorder* Border_Form = nullptr;
    TTimer* Timer1 = nullptr;

    void FormCreate(TObject* sender);
    // The design's five-minute timer; its tick has nothing to do.
    void Timer1Timer(TObject* sender) { (void)sender; }

    // Walks the drives and rebuilds the meter rows; unit "GB" for gigabytes, else megabytes.
    void ScanDrives(const std::string& unit);
    // One drive's row: letter label and gradient bar in the row's slot, the window ending
    // 8 pixels below the bar.
    void AddMeterRow(const sw::MeterRow& row);

    void SetModel(int value);
    void SetTransparency(int value);
    // Marks the caption model's menu item as chosen.
    void CheckModelItem(int model);

    int Model() const { return FModel; }
    int Transparency() const { return FTransparency; }
    const std::string& SizeUnit() const { return FSizeUnit; }
    const std::string& UnitSuffix() const { return FScanner.UnitSuffix(); }
    const std::string& DriveKind() const { return FScanner.DriveKind(); }
    // The last scan's summary of free and total space, for the tray icon's tooltip.
    const std::string& TrayHint() const { return FTrayHint; }

    struct MeterRowControls {
        TLabel* label;
        TJvSpecialProgress* bar;
    };
    // The rows of the latest scan, in the order they were made.
    const std::vector<MeterRowControls>& MeterRows() const { return FRows; }

protected:
    void WMNCHitTest(TPoint screen, int& result) override;

private:
    void CreateTitleBand();
    void RemoveMeterRows();
    TLabel* NewRowLabel(const sw::MeterRow& row);
    TJvSpecialProgress* NewRowBar(const sw::MeterRow& row);
    void ApplyMeterCaption(TJvSpecialProgress& bar, const sw::MeterRow& row);

    sw::PlatformServices FServices;
    sw::DriveScanner FScanner;
    int FModel = 0;
    int FTransparency = 0;
    std::string FSizeUnit;
    std::string FTrayHint;
    std::vector<MeterRowControls> FRows;
};
