// The marquee headings of the memory window: a strip that scrolls its caption sideways one
// step per timer tick, the letters fading into the background over a band at each edge. The
// text and the fading edges are prepared once in two bitmaps (BuildImages); a tick only moves
// the offset and repaints from them.
#pragma once

#include <memory>

#include "controls/gauge_control.h"
#include "controls/timer_thread.h"
#include "gfx/bitmap.h"
#include "gfx/color.h"

enum TScrollDirection { sdLeftToRight, sdRightToLeft };
enum TEdgeStyle { esLeft, esRight, esBoth };

// Colour `index` (1 .. steps, clamped) of a blend from c1 (index 1) to c2 (index steps),
// each channel rounded to the nearest integer with halves away from zero. One step gives c1.
TColor BlendColor(TColor c1, TColor c2, int steps, int index);

class TScrollText : public TGaugeGraphicImageControl {
public:
    explicit TScrollText(TComponent* owner);
    // Stops the timer (and its worker) before the bitmaps go.
    ~TScrollText() override;

    bool Active() const { return FActive; }
    void SetActive(bool value);
    bool Threaded() const { return FTimer->TimerType() == TThreadTimerType::ttThread; }
    void SetThreaded(bool value);
    int Interval() const { return static_cast<int>(FTimer->Interval()); }
    // Throws std::out_of_range for a negative value.
    void SetInterval(int value);
    int PixelStep() const { return FPixelStep; }
    void SetPixelStep(int value) { FPixelStep = value; }
    TScrollDirection ScrollDirection() const { return FScrollDirection; }
    void SetScrollDirection(TScrollDirection value);
    int EdgeWidth() const { return FEdgeWidth; }
    void SetEdgeWidth(int value);
    TEdgeStyle EdgeStyle() const { return FEdgeStyle; }
    void SetEdgeStyle(TEdgeStyle value);

    // Where the text strip is drawn, in control pixels.
    int ScrollOffset() const { return FScrollOffset; }
    const TBitmap& TextStrip() const { return FTextStrip; }
    const TBitmap& EdgeBitmap() const { return FEdgeBitmap; }
    TThreadTimer& Timer() { return *FTimer; }

    // One timer step: move (when enabled) and repaint.
    void Tick();

protected:
    void Paint() override;
    void Loaded() override;
    void Resize() override;
    void FontChanged() override;
    void ColorChanged() override;
    void TextChanged() override;

private:
    void BuildImages();
    void BuildTextStrip();
    void BuildEdges();

    std::unique_ptr<TThreadTimer> FTimer;
    TBitmap FTextStrip;
    TBitmap FEdgeBitmap;
    bool FActive = false;
    int FPixelStep = 1;
    TScrollDirection FScrollDirection = sdLeftToRight;
    int FEdgeWidth = 15;
    TEdgeStyle FEdgeStyle = esBoth;
    int FScrollOffset = 0;
};
