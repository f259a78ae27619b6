#pragma once
// The selected entry, as every operation that acts on it reads it: the record number
// ListIndexMap[s] of the title list's selected row s, looked up afresh each time.

struct CatalogueRecord;
class TImage;

// The selected row of the main window's title list, -1 when no row is selected.
int SelectedRow();
// The record number behind the selected row, or 0 when there is no row or no record behind it
// (a header or empty row, a stale row pointing past RecordCount).
int SelectedRecordNumber();
// The record behind the selected row, or null (same rules).
const CatalogueRecord* SelectedRecord();
// The main picture widget of the main window.
TImage& MainImage();
