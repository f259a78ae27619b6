#pragma once
// The selected entry, as every operation that acts on it reads it: the record number
// ListIndexMap[s] of the title list's selected row s, looked up afresh each time.

struct CatalogueRecord;
class TImage;

// The selected row of the main window's title list, -1 when no row is selected.
int SelectedRow();
// The record number behind the selected row, or 0 when there is no row or no record behind it
// (the header, empty and back rows of a result list).
int RowRecordNumber();
// The entry the operations on the selected entry act on (arrows, strip, description, print):
// the record behind the selected row or, for a row without one, the entry the picture view
// shows, never a stale map value. 0 / null before any entry is shown.
int SelectedRecordNumber();
const CatalogueRecord* SelectedRecord();
// The main picture widget of the main window.
TImage& MainImage();
