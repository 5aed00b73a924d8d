// The application object, the screen's cursor table and the backend in use.
#include "ui/application.h"

#include <memory>
#include <stdexcept>

namespace {

std::unique_ptr<Backend>& BackendSlot()
{
    static std::unique_ptr<Backend> backend;
    return backend;
}

TApplication*& ApplicationSlot()
{
    static TApplication* application = nullptr;
    return application;
}

}  // namespace

Backend& CurrentBackend()
{
    auto& backend = BackendSlot();
    if (!backend)
        throw std::logic_error("no toolkit backend installed: the program or test installs one");
    return *backend;
}

void SetBackend(std::unique_ptr<Backend> backend)
{
    // Forms and timers belong to the old backend: free them while it still exists.
    TApplication* app = ApplicationSlot();
    if (app != nullptr)
        app->Reset();
    BackendSlot() = std::move(backend);
    if (app != nullptr)
        app->AttachBackend();
    else
        Application();  // attaches as it is made
}

// Created on first use and never destroyed: forms may outlive static destruction order.
TApplication& Application()
{
    TApplication*& app = ApplicationSlot();
    if (app == nullptr) {
        app = new TApplication;
        // Else SetBackend attaches it.
        if (BackendSlot())
            app->AttachBackend();
    }
    return *app;
}

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

std::uintptr_t& TScreen::Cursors(TCursor id)
{
    auto it = FCursors.find(id);
    if (it == FCursors.end())
        it = FCursors.emplace(id, id < 0 ? CurrentBackend().LoadStockCursor(id) : 0).first;
    return it->second;
}

void TScreen::Reset()
{
    FCursors.clear();
    FCursor = crDefault;
}

TApplication::TApplication() : TComponent(nullptr)
{
    FIcon.OnChange = [this](TObject*) {
        CurrentBackend().SetAppIcon(FIcon.Image(), FIcon.TransparentColor());
    };
}

TApplication::~TApplication() = default;

void TApplication::AttachBackend()
{
    Backend& backend = CurrentBackend();
    backend.SetAppHandler(this);
    backend.SetProblemHandler([this](std::exception_ptr problem) { HandleException(problem); });
    backend.SetAppTitle(FTitle);
}

void TApplication::Reset()
{
    MarkDestroying();
    DestroyComponents();
    ClearDestroying();
    FMainForm = nullptr;
    FActiveForm = nullptr;
    FTitle.clear();
    FIcon.Clear();
    FShowMainForm = true;
    FTerminated = false;
    FShowHint = true;
    FHintPause = 500;
    FHintColor = clInfoBk;
    FHooks.clear();
    OnMinimize = nullptr;
    OnRestore = nullptr;
    OnException = nullptr;
    Screen().Reset();
    // A worker may be waiting for its call: run it rather than leave the worker blocked.
    CheckSynchronize();
}

void TApplication::SetTitle(const std::string& title)
{
    FTitle = title;
    CurrentBackend().SetAppTitle(title);
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FMainForm)
        FMainForm = nullptr;
    if (operation == TOperation::opRemove && component == FActiveForm)
        FActiveForm = nullptr;
}

void TApplication::ShowMainFormAtStart()
{
    if (FMainForm != nullptr && FShowMainForm && !FTerminated && !FMainForm->Visible())
        Guard([this] { FMainForm->Show(); });
}

void TApplication::Run()
{
    ShowMainFormAtStart();
    if (!FTerminated)
        CurrentBackend().Run();
    if (FTerminated) {
        // The program is ending: components freed now see the application going too.
        MarkDestroying();
        DestroyComponents();
        FMainForm = nullptr;
        FActiveForm = nullptr;
    }
}

void TApplication::Terminate()
{
    FTerminated = true;
    CurrentBackend().QuitLoop();
}

void TApplication::ProcessMessages()
{
    CurrentBackend().ProcessMessages();
    CheckSynchronize();
}

void TApplication::Minimize()
{
    Backend& backend = CurrentBackend();
    if (backend.AppWindowIconic())
        return;
    backend.MinimizeApp();
    UpdateFormsOnScreen();
    if (OnMinimize)
        OnMinimize(this);
}

void TApplication::Restore()
{
    Backend& backend = CurrentBackend();
    if (!backend.AppWindowIconic())
        return;
    backend.RestoreApp();
    UpdateFormsOnScreen();
    if (OnRestore)
        OnRestore(this);
}

void TApplication::UpdateFormsOnScreen()
{
    for (TComponent* c : Components())
        if (auto* form = dynamic_cast<TForm*>(c))
            form->UpdateOnScreen();
}

void TApplication::BringToFront()
{
    TForm* target = FMainForm != nullptr && FMainForm->Visible() ? FMainForm : nullptr;
    for (TComponent* c : Components()) {
        auto* form = dynamic_cast<TForm*>(c);
        if (target == nullptr && form != nullptr && form->Visible())
            target = form;
    }
    if (target != nullptr)
        target->BringToFront();
}

void TApplication::UpdateVisible()
{
    bool any = false;
    for (TComponent* c : Components())
        if (auto* form = dynamic_cast<TForm*>(c); form != nullptr && form->Visible())
            any = true;
    Backend& backend = CurrentBackend();
    if (backend.Offers().appWindow)
        backend.ShowAppWindow(any, false);
    // That show restores a minimized application window: the forms it owns are back on screen.
    UpdateFormsOnScreen();
}

int TApplication::HookMainWindow(TWindowHook hook)
{
    FHooks.emplace_back(FNextHookId, std::move(hook));
    return FNextHookId++;
}

void TApplication::UnhookMainWindow(int id)
{
    std::erase_if(FHooks, [id](const auto& entry) { return entry.first == id; });
}

bool TApplication::AppCommand(TSysCommand command)
{
    bool handled = false;
    Guard([&] {
        // Copy: a hook may unhook itself.
        auto hooks = FHooks;
        for (auto& [id, hook] : hooks)
            if (hook(command)) {
                handled = true;
                return;
            }
        if (command == TSysCommand::Minimize) {
            Minimize();
            handled = true;
        } else if (command == TSysCommand::Restore) {
            Restore();
            handled = true;
        } else if (command == TSysCommand::Close && FMainForm != nullptr) {
            FMainForm->Close();
            handled = true;
        }
    });
    return handled;
}

bool TApplication::AppQueryEndSession()
{
    bool agree = true;
    Guard([&] { agree = FMainForm == nullptr || FMainForm->SessionEnding(); });
    return agree;
}

// Heard by several windows; the main form ends the program at the first.
void TApplication::AppEndSession()
{
    if (!FTerminated && FMainForm != nullptr)
        Guard([this] { FMainForm->SessionEnded(); });
}

void TApplication::AppDisplayChanged()
{
    if (FMainForm != nullptr)
        Guard([this] { FMainForm->DisplaysChanged(); });
}

void TApplication::AppWorkAreaChanged()
{
    if (FMainForm != nullptr)
        Guard([this] { FMainForm->WorkAreaChanged(); });
}

void TApplication::AppVolumeChanged(bool arrival, const std::string& letters)
{
    if (FMainForm != nullptr)
        Guard([&] { FMainForm->DrivesChanged(arrival, letters); });
}

// The focus goes back to the form that had it (else the main form, else any shown form) and
// there to its focused control, as a click on the form would leave it. A minimized application
// shows no form to take it.
void TApplication::AppActivated()
{
    if (CurrentBackend().AppWindowIconic())
        return;
    TForm* target = FActiveForm != nullptr && FActiveForm->Visible() ? FActiveForm : nullptr;
    if (target == nullptr && FMainForm != nullptr && FMainForm->Visible())
        target = FMainForm;
    for (TComponent* c : Components()) {
        auto* form = dynamic_cast<TForm*>(c);
        if (target == nullptr && form != nullptr && form->Visible())
            target = form;
    }
    if (target == nullptr)
        return;
    Guard([target] {
        CurrentBackend().SetForeground(target->Handle());
        if (target->ActiveControl() == nullptr)
            target->SelectFirst();
    });
}

void TApplication::HandleException(const std::exception& error)
{
    if (OnException) {
        OnException(error);
        return;
    }
    // The error box ends the message with a full stop, as the toolkit always has.
    std::string text = error.what();
    if (!text.empty() && text.back() > '.')
        text += '.';
    CurrentBackend().ShowMessageBox(text, FTitle, TMsgBoxButtons::Ok, TMsgBoxIcon::Error);
}

void TApplication::HandleException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        HandleException(e);
    } catch (...) {
        HandleException(std::runtime_error("Unknown exception"));
    }
}

void TApplication::Guard(const std::function<void()>& work)
{
    try {
        work();
    } catch (...) {
        HandleException(std::current_exception());
    }
}

TMsgBoxResult TApplication::MessageBox(const std::string& text, const std::string& caption,
                                       TMsgBoxButtons buttons, TMsgBoxIcon icon)
{
    return CurrentBackend().ShowMessageBox(text, caption, buttons, icon);
}

void TApplication::Synchronize(const std::function<void()>& work)
{
    if (CurrentBackend().IsGuiThread()) {
        work();
        return;
    }
    Synchronize(work, *CurrentBackend().NewWakeEvent());
}

void TApplication::Synchronize(const std::function<void()>& work, TWakeEvent& handedBack)
{
    Backend& backend = CurrentBackend();
    if (backend.IsGuiThread()) {
        work();
        return;
    }
    std::exception_ptr failure;
    auto run = [&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    };
    {
        std::lock_guard lock(FSyncLock);
        FSyncQueue.push_back({run, &handedBack});
    }
    backend.PostToGuiThread([this] { CheckSynchronize(); });
    handedBack.Wait();
    if (failure)
        std::rethrow_exception(failure);
}

// The callers are handed back only once every call that came together has run: workers that
// tick together then start their next waits together, tick together again, and one wake-up of
// the GUI thread serves them all. A call waiting here for a worker (through a nested call)
// hands back what has run so far, so that worker is never held.
void TApplication::CheckSynchronize()
{
    std::vector<TSyncCall> pending;
    {
        std::lock_guard lock(FSyncLock);
        pending.swap(FSyncQueue);
    }
    for (auto& call : pending) {
        call.run();
        FRunCalls.push_back(call.handedBack);
    }
    std::vector<TWakeEvent*> run;
    run.swap(FRunCalls);
    for (TWakeEvent* handedBack : run)
        handedBack->Set();
}
