// The help file "Rurized.html" beside the program ("Rurized.en.html" in English), shown in the
// program's own viewer.
#pragma once

#include <QString>

class QWidget;

// The help file's place in the interface's language: beside the program, like the settings file.
QString HelpFilePath();

// Opens the viewer at the help file's contents, or brings it forward; a missing file is
// reported inside the viewer itself.
void ShowHelp(QWidget* owner);

// Closes the viewer if it is open; does nothing otherwise.
void CloseHelp(QWidget* owner);

// The open viewer, for tests; nullptr when closed.
QWidget* HelpViewer();
