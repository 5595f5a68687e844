#pragma once

// Creating and ending the windows of the program: shared by the program itself and by the tool
// that takes pictures of its windows.

namespace fundis {

// Names the application, sets the window font, creates Form1, Form2, Form3 and Form6, shows the
// splash and the main window.
void startWindows();

// Deletes the windows startWindows() created.
void endWindows();

}  // namespace fundis
