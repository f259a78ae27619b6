#pragma once
// Decoding ahead: once an entry is shown, the entries a visitor is likely to choose next are
// decoded while the program idles, so that choosing one shows it at once. First the entries of
// the rows just below and above the selected one (main picture and strip), then the shown
// entry's later strip pictures (paging), then the strip of every other entry in the list as it
// stands, nearest rows first. A catalogue's thumbnails take a few megabytes; the store of
// decodes ahead keeps them within its budget.

struct Catalogue;
class PictureView;
class TListBox;

class EntriesAhead {
public:
    EntriesAhead(const TListBox& list, const Catalogue& catalogue, const PictureView& view);

    // Replaces what waits to be decoded ahead with what the selected row makes likely next.
    void Schedule();

private:
    const TListBox& list_;
    const Catalogue& catalogue_;
    const PictureView& view_;
};
