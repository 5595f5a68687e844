#pragma once

// Creating and ending the windows of the program: shared by the program itself and by the tool
// that takes pictures of its windows.

#include <QString>

namespace fundis {

// Names the application, loads Qt's Russian texts for its own dialogs, sets the window font,
// creates Form1, Form2, Form3 and Form6, shows the splash and the main window, which then opens
// `project` when one is given.
void startWindows(const QString& project = QString());

// Deletes the windows startWindows() created.
void endWindows();

}  // namespace fundis
