#pragma once

class QWidget;
class TfrmMain;

// A new skin chooser for the main window, to be attached and shown as its side window "7" (the
// menu item Mb_SkinChange opens and closes it). It ends with the program, writing its options,
// and never outlives the main window.
QWidget* MakeSkinChooser(TfrmMain& window);
