// Timers on the virtual clock, also on the beat; pop-up menus with auto-check, radio groups and
// disabled items.
#include <gtest/gtest.h>

#include "ui/imagelist.h"
#include "ui/menus.h"
#include "ui/timer.h"
#include "ui_fixture.h"

namespace {

using TimerTest = UiTest;

TEST_F(TimerTest, TimersFireInTimeOrderOnTheVirtualClock)
{
    TForm* form = ShownForm();
    std::vector<std::string> log;
    auto* fast = new TTimer(form);
    fast->SetInterval(300);
    fast->OnTimer = [&](TObject*) { log.push_back("fast@" + std::to_string(backend->Now())); };
    auto* slow = new TTimer(form);
    slow->SetInterval(500);
    slow->OnTimer = [&](TObject*) { log.push_back("slow@" + std::to_string(backend->Now())); };
    backend->AdvanceTime(1000);
    EXPECT_EQ(log, (std::vector<std::string>{"fast@300", "slow@500", "fast@600", "fast@900",
                                             "slow@1000"}));
    EXPECT_EQ(backend->Now(), 1000u);
}

// On the beat, a timer ticks at the multiples of its interval where the loop keeps beats,
// whenever it was started, and as a message timer elsewhere; switching it off stops either.
TEST_F(TimerTest, TimersOnTheBeatTickAtTheMultiplesOfTheirInterval)
{
    TForm* form = ShownForm();
    for (const bool beats : {true, false}) {
        SCOPED_TRACE(beats ? "the loop keeps beats" : "message timers only");
        TBackendOffers offers = backend->Offers();
        offers.beatTimers = beats;
        backend->SetOffers(offers);
        std::vector<std::uint32_t> log;
        auto* timer = new TTimer(form);
        timer->SetOnBeat(true);
        timer->SetInterval(500);
        timer->OnTimer = [&](TObject*) { log.push_back(backend->Now()); };
        backend->AdvanceTime(130);
        timer->SetEnabled(false);
        EXPECT_EQ(backend->ActiveTimerCount(), 0);
        const std::uint32_t started = backend->Now();
        timer->SetEnabled(true);
        backend->AdvanceTime(1000);
        const std::uint32_t beat = started - started % 500 + 500;
        const std::vector<std::uint32_t> expected =
            beats ? std::vector<std::uint32_t>{beat, beat + 500}
                  : std::vector<std::uint32_t>{started + 500, started + 1000};
        EXPECT_EQ(log, expected);
        delete timer;
        EXPECT_EQ(backend->ActiveTimerCount(), 0);
    }
}

TEST_F(TimerTest, DisabledTimersAndPausesFireNothing)
{
    TForm* form = ShownForm();
    int ticks = 0;
    auto* timer = new TTimer(form);
    timer->SetInterval(100);
    timer->OnTimer = [&](TObject*) { ++ticks; };
    Application().Sleep(250);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(backend->Now(), 250u);
    timer->SetEnabled(false);
    backend->AdvanceTime(1000);
    EXPECT_EQ(ticks, 0);
    timer->SetEnabled(true);
    backend->AdvanceTime(250);
    EXPECT_EQ(ticks, 2);
    delete timer;
    EXPECT_EQ(backend->ActiveTimerCount(), 0);
}

TEST_F(TimerTest, TimerOnALoadingFormStartsWhenLoadingEnds)
{
    auto* form = new TForm(&Application());
    int ticks = 0;
    auto* timer = new TTimer(form);
    timer->SetInterval(100);
    timer->OnTimer = [&](TObject*) { ++ticks; };
    backend->AdvanceTime(500);
    EXPECT_EQ(ticks, 0);
    form->AfterConstruction();
    backend->AdvanceTime(100);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, HandlerExceptionReachesTheErrorBoxAndTheTimerGoesOn)
{
    Application().SetTitle("Spacewell v.1");
    TForm* form = ShownForm();
    int ticks = 0;
    auto* timer = new TTimer(form);
    timer->SetInterval(100);
    timer->OnTimer = [&](TObject*) {
        ++ticks;
        throw std::runtime_error("Unable to write to C:\\x.ini");
    };
    backend->AdvanceTime(200);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(backend->MessageCount(), 2);
    EXPECT_EQ(backend->LastMessageText(), "Unable to write to C:\\x.ini.");
    EXPECT_EQ(backend->LastMessageCaption(), "Spacewell v.1");
    EXPECT_EQ(backend->LastMessageIcon(), TMsgBoxIcon::Error);
}

class MenuTest : public UiTest {
protected:
    TMenuItem* Item(TMenuItem* parent, const std::string& caption, std::intptr_t tag = 0)
    {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->SetTag(tag);
        item->OnClick = [this](TObject* sender) {
            clicks.push_back(static_cast<TMenuItem*>(sender)->Caption());
        };
        parent->Add(item);
        return item;
    }
    TMenuItem* Radio(TMenuItem* parent, const std::string& caption)
    {
        TMenuItem* item = Item(parent, caption);
        item->SetAutoCheck(true);
        item->SetRadioItem(true);
        return item;
    }
    void SetUp() override
    {
        UiTest::SetUp();
        form = ShownForm();
        menu = new TPopupMenu(form);
        onTop = Item(menu->Items(), "Always On Top");
        onTop->SetAutoCheck(true);
        transparency = Item(menu->Items(), "Transparency");
        r0 = Radio(transparency, "0%");
        r10 = Radio(transparency, "10%");
        custom = Radio(transparency, "Custom...");
        custom->SetEnabled(false);
        Item(menu->Items(), "-");
        exitItem = Item(menu->Items(), "Exit");
    }
    void Choose(std::vector<std::string> path)
    {
        backend->ChooseMenuItem(HeadlessBackend::ByCaption(std::move(path)));
        menu->Popup(700, 500);
    }
    TForm* form = nullptr;
    TPopupMenu* menu = nullptr;
    TMenuItem *onTop = nullptr, *transparency = nullptr, *r0 = nullptr, *r10 = nullptr,
              *custom = nullptr, *exitItem = nullptr;
    std::vector<std::string> clicks;
};

TEST_F(MenuTest, AutoCheckTogglesBeforeTheClickHandlerRuns)
{
    bool checkedInHandler = false;
    onTop->OnClick = [&](TObject*) { checkedInHandler = onTop->Checked(); };
    Choose({"Always On Top"});
    EXPECT_TRUE(checkedInHandler);
    Choose({"Always On Top"});
    EXPECT_FALSE(onTop->Checked());
    EXPECT_EQ(backend->LastMenuPoint(), (TPoint{700, 500}));
}

TEST_F(MenuTest, RadioItemsOfOneGroupExcludeEachOther)
{
    Choose({"Transparency", "10%"});
    EXPECT_TRUE(r10->Checked());
    Choose({"Transparency", "0%"});
    EXPECT_TRUE(r0->Checked());
    EXPECT_FALSE(r10->Checked());
    Choose({"Transparency", "0%"});
    EXPECT_TRUE(r0->Checked());
    r10->SetChecked(true);
    EXPECT_FALSE(r0->Checked());
    EXPECT_EQ(clicks, (std::vector<std::string>{"10%", "0%", "0%"}));
}

TEST_F(MenuTest, DisabledItemsAndDismissalClickNothing)
{
    Choose({"Transparency", "Custom..."});
    custom->Click();
    Choose({});
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(custom->Checked());
    EXPECT_EQ(backend->MenuCount(), 2);
}

TEST_F(MenuTest, EntriesCarryStateSeparatorsSubmenusAndPictures)
{
    auto* images = new TImageList(form);
    TBitmap picture(16, 16);
    picture.Canvas().Brush = TBrush{clRed, TBrushStyle::bsSolid};
    picture.Canvas().FillRect({0, 0, 16, 16});
    images->Add(picture, clDefault);
    menu->SetImages(images);
    exitItem->SetImageIndex(0);
    r0->SetChecked(true);
    Choose({});
    const auto& entries = backend->LastMenu();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[1].items.size(), 3u);
    EXPECT_TRUE(entries[1].items[0].checked);
    EXPECT_TRUE(entries[1].items[0].radio);
    EXPECT_FALSE(entries[1].items[2].enabled);
    EXPECT_EQ(entries[2].caption, "-");
    ASSERT_NE(entries[3].picture, nullptr);
    EXPECT_EQ(entries[3].picture->Pixel(3, 3), clRed);
    delete images;
    EXPECT_EQ(menu->Images(), nullptr);
}

TEST_F(MenuTest, ItemPathNamesTheCaptionsBelowTheRoot)
{
    EXPECT_EQ(r10->Path(), (std::vector<std::string>{"Transparency", "10%"}));
    EXPECT_EQ(r10->Menu(), menu);
}

}  // namespace
