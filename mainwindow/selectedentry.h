#pragma once
// The entry and picture the user is looking at. Every operation that acts on the selected entry
// (the strip and its arrows, the description, the print) reads it afresh through this, never
// keeps it.

struct Catalogue;
struct CatalogueRecord;
struct ViewState;
class TImage;
class TListBox;
class TPicture;

class SelectedEntry {
public:
    virtual ~SelectedEntry() = default;

    // The entry the operations act on, or null when there is none.
    virtual const CatalogueRecord* Record() const = 0;
    // Its number in the record store, or 0 when there is none.
    virtual int RecordNumber() const = 0;
    // The picture in the main picture area (empty before the first).
    virtual const TPicture& ShownPicture() const = 0;
};

// The main window's own: the title list's selected row read over the catalogue, the record
// number ListIndexMap[s] of the selected row s, and the main picture widget. A row without a
// record behind it (the header, empty and back rows of a result list) stands for the entry the
// picture view shows, never for a stale map value.
class TitleListSelection final : public SelectedEntry {
public:
    TitleListSelection(const TListBox& list, const TImage& mainImage, const Catalogue& catalogue,
                       const ViewState& view);

    const CatalogueRecord* Record() const override;
    int RecordNumber() const override;
    const TPicture& ShownPicture() const override;

    // The selected row, -1 when no row is selected.
    int SelectedRow() const;
    // The record number behind the selected row alone: 0 when there is no row or no record
    // behind it.
    int RowRecordNumber() const;

private:
    const TListBox& list_;
    const TImage& mainImage_;
    const Catalogue& catalogue_;
    const ViewState& view_;
};
