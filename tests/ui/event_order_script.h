// One script of actions on two windows and the application, and the notices it must produce in
// that order. The headless test (tests/ui/event_order_test.cpp) and the Win32 test under Wine
// (tests/win32/event_order_test.cpp) both play it and compare with kEventOrder, so the headless
// backend is held to Win32's order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"

// A borderless window that writes down each notice it hears, with its name.
class RecordingForm : public TForm {
public:
    explicit RecordingForm(TComponent* owner) : TForm(owner)
    {
        SetBorderStyle(TFormBorderStyle::bsNone);
        OnShow = [this](TObject*) { Note("show"); };
        OnHide = [this](TObject*) { Note("hide"); };
        OnActivate = [this](TObject*) { Note("activate"); };
        OnDeactivate = [this](TObject*) { Note("deactivate"); };
        OnClose = [this](TObject*, TCloseAction&) { Note("close"); };
    }
    void Record(const std::string& name, std::vector<std::string>* log)
    {
        FName = name;
        FLog = log;
    }

protected:
    void Moved() override { Note("moved"); }

private:
    void Note(const std::string& what)
    {
        if (FLog != nullptr)
            FLog->push_back(FName + " " + what);
    }

    std::string FName;
    std::vector<std::string>* FLog = nullptr;
};

// Plays the script; `settle` hands out what the platform queued after each step. The two
// windows are never the main form, which a hidden window of its own is when there is none.
inline std::vector<std::string> PlayEventOrderScript(const std::function<void()>& settle)
{
    if (Application().MainForm() == nullptr)
        Application().CreateForm<TForm>();
    // The application window goes on screen at the first round of the loop, taking the
    // activation for a moment: that belongs to the process's start, not to the script.
    settle();
    std::vector<std::string> log;
    auto* a = Application().CreateForm<RecordingForm>();
    auto* b = Application().CreateForm<RecordingForm>();
    a->SetBounds(100, 100, 120, 80);
    b->SetBounds(300, 100, 120, 80);
    a->Record("A", &log);
    b->Record("B", &log);
    std::vector<std::pair<std::string, std::function<void()>>> steps = {
        {"show A", [&] { a->Show(); }},
        {"show B", [&] { b->Show(); }},
        {"activate A", [&] { a->BringToFront(); }},
        {"hide A", [&] { a->Hide(); }},
        {"show A", [&] { a->Show(); }},
        {"move B", [&] { b->SetBounds(320, 140, 120, 80); }},
        {"minimize", [] { Application().Minimize(); }},
        {"restore", [] { Application().Restore(); }},
        {"close B", [&] { b->Close(); }},
    };
    for (const auto& [name, step] : steps) {
        log.push_back("-- " + name);
        step();
        settle();
    }
    a->Record("A", nullptr);
    b->Record("B", nullptr);
    delete b;
    delete a;
    settle();
    return log;
}

// What the script hears, step by step: a window moved by the program itself hears no move. The
// forms leave the screen with the minimized application window but keep the activation; the
// restore activates the application window, which hands the activation back to the form.
inline const std::vector<std::string> kEventOrder = {
    "-- show A",    "A show",        "A activate",   "-- show B",    "B show",       "A deactivate",
    "B activate",   "-- activate A", "B deactivate", "A activate",   "-- hide A",    "A hide",
    "A deactivate", "B activate",    "-- show A",    "A show",       "B deactivate", "A activate",
    "-- move B",    "-- minimize",   "-- restore",   "A deactivate", "A activate",   "-- close B",
    "B close",      "B hide",
};
