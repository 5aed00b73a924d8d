// A drive table in a small text file, for drawing the main window without real drives:
// one drive per line, "letter kind total_bytes free_bytes [serial_hex]", where kind is fixed,
// removable, network, cdrom or ramdisk and "-" for both sizes means no medium. Blank lines and
// lines starting with '#' are skipped.
#pragma once

#include <istream>
#include <string>

#include "platform/fake/fake_drives.h"

// Fills `drives` from `in`; returns false and sets `error` (with the line number) on a bad line.
bool ReadDriveTable(std::istream& in, sw::FakeDrives& drives, std::string& error);
