#pragma once
// The real program, run in-process for the benchmark: the window set started in the current
// directory with the splash and the introduction closed as they open, and a visitor's actions
// on the main window. Failure reports are counted and written to stderr, not shown.

#include <memory>
#include <string>

#include <QObject>

class TForm1;
class WindowSet;

class ViewDriver {
public:
    // Needs the application object and the catalogue folder as the current directory.
    ViewDriver();
    ~ViewDriver();
    ViewDriver(const ViewDriver&) = delete;
    ViewDriver& operator=(const ViewDriver&) = delete;

    TForm1& Main() const;
    // The title list's row showing this UTF-8 title, -1 when none does.
    int RowOf(const std::string& title) const;

    // A click on the row, so the list's click handler runs as it does for the user.
    void ClickRow(int row);
    // A key pressed and released on the title list (Qt::Key_Down moves to the next title).
    void PressKeyOnList(int key);
    // Returns once nothing waits to be decoded ahead.
    void WaitForDecodesAhead();
    // A click on the right paging arrow.
    void ClickPageRight();
    // Paints the whole main window at once, waits until every shown picture is drawn, then runs
    // what the paints queued (late reports).
    void PaintNow();

    // What the picture view says it shows: "/images/<name>" of the main picture, and the
    // position of thumbnail slot 1 in the entry's pictures.
    std::string CurrentPicturePath() const;
    int ThumbnailPage() const;
    // Whether the main picture and every visible thumbnail has been decoded (a JPEG decodes
    // at its first paint).
    bool ShownPicturesDecoded() const;
    // Bytes the main picture's decoded bitmap takes per pixel (0 when there is none).
    double DecodedBytesPerPixel() const;
    int Reports() const;

private:
    std::unique_ptr<QObject> closer_;
    std::unique_ptr<WindowSet> windows_;
};
