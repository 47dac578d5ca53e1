#pragma once

// The side windows are plain widgets with a frame of their own; screen readers should meet them
// as dialogs (or frames) named by their captions, as they meet the main window. Installs once per
// process; costs nothing until an assistive technology asks.
void InstallSideWindowAccessibility();

// Menu items with a check mark are check boxes (radio buttons where their menu is one choice of
// several), and items that open a submenu are expandable. Installs once per process.
void InstallMenuAccessibility();
