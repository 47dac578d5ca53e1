#pragma once

class TfrmMain;

// The main menu's tick item Mb_SkinChange: ticked, it opens the skin chooser beside the main
// window; unticked, it closes the chooser (which unticks the item when it closes by itself).
void ToggleSkinChooser(TfrmMain& window, bool open);
