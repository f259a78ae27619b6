#pragma once
// The title list in its two modes, the full list and a search's result list, and the search.

// Clears the list and adds the title of every record in catalogue order.
void FillTitleList();
// Back from a result list: the full list with no row selected; the view keeps what it shows.
void ReturnToFullList();
// Searches the records for the search box's text in the current search mode.
void RunSearch();

// Handlers of the main window's controls.
void ListBox1Click();
void Image2Click();
void Edit1KeyPress(int key);
void RadioImage1Click();
void RadioImage2Click();
