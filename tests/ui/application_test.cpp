// The application object: main form and closing, minimize/restore with hooks, the error box,
// Synchronize from a worker thread and the wake event it hands over on.
#include <gtest/gtest.h>

#include <atomic>
#include <exception>
#include <string>
#include <thread>

#include "ui_fixture.h"
#include "wake_event_contract.h"

namespace {

using ApplicationTest = UiTest;

class FailingForm : public TForm {
public:
    explicit FailingForm(TComponent* owner) : TForm(owner)
    {
        OnCreate = [](TObject*) { throw std::runtime_error("create"); };
    }
};

TEST_F(ApplicationTest, FirstCreatedFormIsTheMainFormAndClosingItTerminates)
{
    TForm* main = Application().CreateForm<TForm>();
    TForm* other = Application().CreateForm<TForm>();
    EXPECT_EQ(Application().MainForm(), main);
    other->Show();
    other->Close();
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(Application().Terminated());

    std::vector<std::string> log;
    main->OnClose = [&](TObject*, TCloseAction& action) {
        log.push_back(action == TCloseAction::caHide ? "close TCloseAction::caHide"
                                                     : "close other");
    };
    main->Close();
    EXPECT_TRUE(Application().Terminated());
    EXPECT_EQ(log, (std::vector<std::string>{"close TCloseAction::caHide"}));
}

TEST_F(ApplicationTest, RunEndsByFreeingTheFormsOnceTerminated)
{
    TForm* main = Application().CreateForm<TForm>();
    bool destroyed = false;
    main->OnDestroy = [&](TObject*) { destroyed = true; };
    WindowId window = main->Handle();
    Application().Run();
    EXPECT_TRUE(backend->IsShown(window));
    main->Close();
    Application().Run();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(Application().MainForm(), nullptr);
    EXPECT_EQ(backend->Window(window), nullptr);
}

TEST_F(ApplicationTest, CloseHandlerMayRefuseOrFailAndTheFormStays)
{
    TForm* main = Application().CreateForm<TForm>();
    main->Show();
    main->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caNone; };
    main->Close();
    EXPECT_FALSE(Application().Terminated());

    Application().SetTitle("Spacewell v.1");
    main->OnClose = [](TObject*, TCloseAction&) {
        throw std::runtime_error("Unable to write to a.ini");
    };
    backend->Window(main->Handle())->handler->WndCloseRequest();
    EXPECT_FALSE(Application().Terminated());
    EXPECT_TRUE(main->Visible());
    EXPECT_EQ(backend->LastMessageText(), "Unable to write to a.ini.");
    EXPECT_EQ(backend->LastMessageCaption(), "Spacewell v.1");
}

TEST_F(ApplicationTest, ShowMainFormDecidesWhetherRunShowsIt)
{
    TForm* main = Application().CreateForm<TForm>();
    Application().SetShowMainForm(false);
    Application().Run();
    EXPECT_FALSE(main->Visible());
    Application().SetShowMainForm(true);
    int shows = 0;
    main->OnShow = [&](TObject*) { ++shows; };
    Application().Run();
    main->Hide();
    main->Show();
    EXPECT_TRUE(backend->IsShown(main->Handle()));
    EXPECT_EQ(shows, 2);
}

TEST_F(ApplicationTest, MinimizeHidesTheFormsAndHooksSeeTheSystemCommand)
{
    TForm* main = ShownForm();
    std::vector<std::string> log;
    Application().OnMinimize = [&](TObject*) { log.push_back("minimized"); };
    TForm* hiddenMeanwhile = ShownForm();
    TForm* shownMeanwhile = Application().CreateForm<TForm>();
    Application().Minimize();
    EXPECT_TRUE(Application().IsApplicationWindowIconic());
    EXPECT_FALSE(backend->IsShown(main->Handle()));
    EXPECT_FALSE(backend->IsShown(hiddenMeanwhile->Handle()));
    EXPECT_TRUE(main->Visible());
    EXPECT_EQ(backend->Foreground(), WindowId{0}) << "keys reach no hidden window";
    // Hidden by the program while minimized, a window stays hidden at the restore; one shown
    // meanwhile appears at once.
    hiddenMeanwhile->Hide();
    shownMeanwhile->Show();
    EXPECT_TRUE(backend->IsShown(shownMeanwhile->Handle()));
    Application().Restore();
    EXPECT_TRUE(backend->IsShown(main->Handle()));
    EXPECT_FALSE(backend->IsShown(hiddenMeanwhile->Handle()));
    EXPECT_TRUE(backend->IsShown(shownMeanwhile->Handle()));

    int id = Application().HookMainWindow([&](TSysCommand command) {
        if (command == TSysCommand::Minimize) {
            log.push_back("hooked");
            return true;
        }
        return false;
    });
    const TSysCommand minimize = TSysCommand::Minimize;
    Application().Perform(minimize);
    EXPECT_FALSE(Application().IsApplicationWindowIconic());
    Application().UnhookMainWindow(id);
    Application().Perform(minimize);
    EXPECT_TRUE(Application().IsApplicationWindowIconic());
    EXPECT_EQ(log, (std::vector<std::string>{"minimized", "hooked", "minimized"}));
}

TEST_F(ApplicationTest, ApplicationWindowShowsHidesAndCarriesTheTitle)
{
    Application().SetTitle("Spacewell v.1");
    EXPECT_EQ(backend->AppTitle(), "Spacewell v.1");
    EXPECT_FALSE(backend->AppWindowVisible());
    TForm* form = ShownForm();
    EXPECT_TRUE(backend->AppWindowVisible());
    form->Hide();
    EXPECT_FALSE(backend->AppWindowVisible());
    form->Show();
    Application().HideApplicationWindow();
    EXPECT_FALSE(backend->AppWindowVisible());
    Application().ShowApplicationWindow();
    EXPECT_TRUE(backend->AppWindowVisible());
}

// The application window carries the taskbar button, so a form shows its icon only in its own
// caption: a borderless form keeps it from the platform until it gains a caption.
TEST_F(ApplicationTest, OnlyACaptionedFormHandsItsIconToThePlatform)
{
    TForm* form = ShownForm();
    form->Icon().SetImage(TBitmap(16, 16), clNone);
    EXPECT_TRUE(backend->Window(form->Handle())->icon.Empty());
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    EXPECT_FALSE(backend->Window(form->Handle())->icon.Empty());
}

TEST_F(ApplicationTest, BringToFrontActivatesTheMainForm)
{
    TForm* main = ShownForm();
    TForm* other = Application().CreateForm<TForm>();
    other->Show();
    EXPECT_EQ(backend->Foreground(), other->Handle());
    backend->SetForeignForeground(true);
    EXPECT_FALSE(Application().Active());
    Application().BringToFront();
    EXPECT_EQ(backend->Foreground(), main->Handle());
    EXPECT_TRUE(Application().Active());
}

TEST_F(ApplicationTest, SynchronizeRunsWorkOnTheGuiThreadAndWaits)
{
    std::thread::id ranOn;
    std::atomic<bool> done = false;
    std::thread worker([&] {
        Application().Synchronize([&] { ranOn = std::this_thread::get_id(); });
        done = true;
    });
    while (!done)
        Application().ProcessMessages();
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());

    int direct = 0;
    Application().Synchronize([&] { ++direct; });
    EXPECT_EQ(direct, 1);
}

TEST_F(ApplicationTest, SynchronizeRethrowsInTheWorker)
{
    std::atomic<bool> done = false;
    std::string caught;
    std::thread worker([&] {
        try {
            Application().Synchronize([] { throw std::runtime_error("tick failed"); });
        } catch (const std::exception& e) {
            caught = e.what();
        }
        done = true;
    });
    while (!done)
        Application().ProcessMessages();
    worker.join();
    EXPECT_EQ(caught, "tick failed");
    EXPECT_EQ(backend->MessageCount(), 0);
}

TEST_F(ApplicationTest, TheStandardWakeEventKeepsOneSetForOneWait)
{
    TStdWakeEvent event;
    ExpectWakeEventContract(event);
}

TEST_F(ApplicationTest, ExceptionsFromHandlersEndAtTheErrorBox)
{
    Application().SetTitle("Spacewell v.1");
    TForm* form = ShownForm();
    auto* pad = new Pad(form, form, Bounds(0, 0, 20, 20));
    pad->OnClick = [](TObject*) { throw std::runtime_error("Failed to set data for 'Spacewell'"); };
    backend->Click({105, 55});
    EXPECT_EQ(backend->LastMessageText(), "Failed to set data for 'Spacewell'");
    EXPECT_EQ(backend->LastMessageCaption(), "Spacewell v.1");

    Application().CreateForm<FailingForm>();
    EXPECT_EQ(backend->MessageCount(), 2);
    EXPECT_EQ(backend->LastMessageText(), "create.");
}

// What escapes a tick or posted work the backend runs itself goes to the problem handler the
// application installed, so it ends at the error box and the loop goes on.
TEST_F(ApplicationTest, BackendWorkThatThrowsReachesTheErrorBoxThroughTheProblemHandler)
{
    Application().SetTitle("Spacewell v.1");
    int ticks = 0;
    const int timer = backend->StartTimer(100, [&] {
        ++ticks;
        throw std::runtime_error("Unable to read drive C:");
    });
    backend->AdvanceTime(200);
    backend->StopTimer(timer);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(backend->MessageCount(), 2);
    EXPECT_EQ(backend->LastMessageText(), "Unable to read drive C:.");
    EXPECT_EQ(backend->LastMessageCaption(), "Spacewell v.1");

    bool laterWorkRan = false;
    backend->PostToGuiThread([] { throw std::runtime_error("Scan failed"); });
    backend->PostToGuiThread([&] { laterWorkRan = true; });
    backend->ProcessMessages();
    EXPECT_TRUE(laterWorkRan);
    EXPECT_EQ(backend->MessageCount(), 3);
    EXPECT_EQ(backend->LastMessageText(), "Scan failed.");

    std::string reported;
    backend->SetProblemHandler([&](std::exception_ptr problem) {
        try {
            std::rethrow_exception(problem);
        } catch (const std::exception& e) {
            reported = e.what();
        }
    });
    backend->PostToGuiThread([] { throw std::runtime_error("posted"); });
    backend->ProcessMessages();
    EXPECT_EQ(reported, "posted");
    EXPECT_EQ(backend->MessageCount(), 3) << "the installed handler replaces the application's";
}

TEST(BackendProblemTest, WithoutAProblemHandlerTheExceptionGoesToTheCaller)
{
    HeadlessBackend alone;
    alone.PostToGuiThread([] { throw std::runtime_error("posted"); });
    EXPECT_THROW(alone.ProcessMessages(), std::runtime_error);
}

}  // namespace
