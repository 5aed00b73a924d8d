// The program's settings as one value: where the main window sits and the options its tray menu
// shows. The main window holds it and the menu's check marks follow it; this file reads it from
// and writes it to the settings file (sections SETTINGS and OPTIONS of an ini file) and finds
// that file, all without a window.
#pragma once

#include <string>

#include "meter/low_space.h"
#include "platform/paths.h"
#include "platform/profile.h"

struct Settings {
    // The main window's top-left corner in screen pixels, as designed.
    int left = 523;
    int top = 288;
    // The caption model (1..5 have captions) and the transparency in percent.
    int model = 0;
    int transparency = 0;
    // Figures in gigabytes rather than megabytes.
    bool gigabytes = false;
    bool onTop = false;
    bool startMinimized = false;
    // The program's own record of the autostart entry; the system is never asked back.
    bool autoStart = false;
    // Nearly full drives shown in red, with a tray balloon; below this share free, in percent,
    // a drive is nearly full (read from the file only: no menu item sets it).
    bool warnWhenLow = true;
    int lowSpacePercent = sw::kDefaultLowSpacePercent;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Where the settings are written: the executable's path with the extension ".ini" when that file
// can be written, else "spacewell.ini" in the user's "Spacewell" folder.
std::string SettingsFileFor(sw::IPaths& paths);

// The file to read at creation, or empty when there is none: the user's file once it exists,
// else the one beside the executable, when that or the fixed name "OrvaneTully.ini" is there.
std::string SettingsFileToRead(sw::IPaths& paths, const std::string& settingsFile);

// Each value as the file gives it; a missing or unreadable one keeps its value in `current`.
Settings ReadSettings(sw::IProfile& file, const Settings& current);

// Every value in the file's order but the threshold, which only a hand-edited file sets; stops at
// the first that cannot be written, raising the ini error.
void WriteSettings(sw::IProfile& file, const Settings& settings);

// Writes `settings` to `settingsFile`, making the user's folder first when the file lies there;
// a folder that cannot be made shows as the first write failing.
void SaveSettingsFile(sw::IProfileFiles& profiles, sw::IPaths& paths,
                      const std::string& settingsFile, const Settings& settings);
