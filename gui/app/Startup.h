// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Creating and ending the windows of the program: shared by the program itself and by the tool
// that takes pictures of its windows.

#include <QString>

namespace fundis {

class MainWindow;

// Names the application, loads Qt's Russian texts for its own dialogs, sets the window font,
// creates the main window with its input and settings dialogs and the splash, shows the splash
// and the main window, which then opens `project` when one is given.
MainWindow& startWindows(const QString& project = QString());

// Deletes the windows startWindows() created.
void endWindows();

}  // namespace fundis
