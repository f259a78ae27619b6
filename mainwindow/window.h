#pragma once
// The windows of the program, numbered as their classes are: Main is TForm1, Introduction is
// TForm8. The window table (app/windowtable.h) gives each its class and its factory; the main
// window opens the others by these numbers.

enum class Window {
    Main = 1,          // the title list, the picture view and the search
    NoHits,            // a search found nothing
    Description,       // the description page of the selected entry
    PrintPage,         // the print page's holder, never shown
    PrintConfirmation, // "print the picture?"
    Splash,            // shown once at start-up
    About,             // the credits
    Introduction,      // the two-page introduction at start-up
};
