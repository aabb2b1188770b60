#pragma once

class TMainForm;

// The one board-specific piece: which components sit in the main window, where, with which
// texts and settings, and which of the main window's handlers they call.
namespace BoardPage {
void build(TMainForm *form);
}
