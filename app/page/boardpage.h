#pragma once

class TMainForm;

// The one board-specific piece: which components sit in the main window, where, with which
// texts and settings, and which of the main window's handlers they call.
namespace BoardPage {
void build(TMainForm *form);
// Starts decoding the board photograph ahead of the build; the program calls it first thing,
// before even the application object exists.
void prefetch();
}
