#pragma once

// The help window is one for the whole program, and F1 opens it from every window.

// Shows the help window (made when there is none) in front. Over a modal window it opens as
// that window's own, so that the modal window does not block it.
void ShowHelp();

// Lets F1 (the desktop's help key) open the help from any window of the program. Installed
// once, by the main window; the main window's Help menu has the key as its own shortcut.
void InstallHelpKey();
