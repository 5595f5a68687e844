// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pictures of the windows for the documentation: the main window after a calculation of
// `project`, the warning for fields that are not numbers, the out-of-date mark, the four input
// tabs, a warning box, the note, scheme, settlement and help windows, the settings dialog, the
// about box and the splash.

#include <QString>

namespace fundis {

class MainWindow;
class InputDialog;
class SettingsDialog;

// Saves PNG files into `folder`; false when one could not be written.
bool takeScreenshots(MainWindow& main, InputDialog& input, SettingsDialog& settingsDialog,
                     const QString& folder, const QString& project);

}  // namespace fundis
