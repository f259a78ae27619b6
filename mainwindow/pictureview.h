#pragma once
// The picture view: the shown entry's main picture centred in the main picture area, and the
// four-slot thumbnail strip with its paging arrows.

#include "catalogue/pictureframe.h"

#include <QRect>
#include <array>
#include <functional>
#include <string>
#include <vector>

struct AheadPicture;
struct Catalogue;
struct CatalogueRecord;
struct ViewState;
class TImage;
class TitleListSelection;

// The rectangle the main picture is centred on.
inline const QRect MainPictureArea(18, 20, PictureFrameWidth, PictureFrameHeight);

// Where a picture of the given size goes: centred on the area, never scaled, the odd pixel
// to the right and bottom; larger pictures overhang on both sides.
QRect CentredInMainArea(int width, int height);

// The main window's widgets the view draws into.
struct PictureViewWidgets {
    static constexpr int SlotCount = 4;

    TImage& mainImage;
    std::array<TImage*, SlotCount> strip; // the thumbnail slots, left to right
    TImage& leftArrow;
    TImage& rightArrow;
};

class PictureView {
public:
    PictureView(const PictureViewWidgets& widgets, const TitleListSelection& selection,
                ViewState& view, const Catalogue& catalogue);

    // The entry behind the selected row, its first picture and the strip from its first.
    void ShowEntry();
    void RefreshThumbnails();
    void ShowSlotPicture(int slot); // slot 1..4
    void PageLeft();
    void PageRight();
    void RefreshArrows();
    // Left and Right page the strip and never reach the list, so its selection stays.
    void PageByKey(int& key, Qt::KeyboardModifiers shift);

    // Called at the end of every ShowEntry that showed an entry.
    void SetEntryShown(std::function<void()> entryShown) { entryShown_ = std::move(entryShown); }
    // The record's pictures placed as ShowEntry and paging would place them, for decoding
    // ahead: its main picture when withMain, and its pictures first to last (1-based) in the
    // strip, the first four in their slots and any later one in the last slot, where paging
    // brings it.
    std::vector<AheadPicture> AheadOf(const CatalogueRecord& record, bool withMain, int first,
                                      int last) const;

private:
    void ShowInMainArea(const std::string& fileName);

    PictureViewWidgets widgets_;
    // Where the description puts each strip slot; the slot itself moves to fit its thumbnail.
    std::array<QRect, PictureViewWidgets::SlotCount> slotBoxes_;
    const TitleListSelection& selection_;
    ViewState& view_;
    const Catalogue& catalogue_;
    std::function<void()> entryShown_;
};
