#pragma once
// The main window and what the windows above it may use of it.
//
//   TForm1              the main window; owns its parts and binds its handlers to them
//   SelectedEntry       the entry and picture the user is looking at (the print and the
//                       description window read it)
//   Window, WindowContext, WindowOpener   the window numbers and what every window is handed
//   ViewState, View     the picture view's and the title list's working data
//
// Inside, not for other folders: the parts (PictureView, TitleList, SaveCopy,
// TitleListSelection), the save dialog with its preview, and the rules of the thumbnail fit,
// the save names and the search's text test (the last three also a library of their own).

#include "mainwindow/selectedentry.h"
#include "mainwindow/tform1.h"
#include "mainwindow/viewstate.h"
#include "mainwindow/window.h"
#include "mainwindow/windowcontext.h"
