#include "mainwindow/pictureview.h"

#include "catalogue/catalogue.h"
#include "mainwindow/selectedentry.h"
#include "mainwindow/thumbnailfit.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"
#include "skin/skin.h"

#include <algorithm>

namespace {
constexpr int SlotCount = PictureViewWidgets::SlotCount;

// What an image widget at `placed` in a window of windowSize says it shows of a picture drawn
// into its whole rectangle.
AheadPlacement PlacedIn(const QRect& placed, const QSize& windowSize) {
    return {placed.size(), ShownPartOf(placed, windowSize)};
}
} // namespace

QRect CentredInMainArea(int width, int height) {
    return {MainPictureArea.left() + (MainPictureArea.width() - width) / 2,
            MainPictureArea.top() + (MainPictureArea.height() - height) / 2, width, height};
}

PictureView::PictureView(const PictureViewWidgets& widgets, const TitleListSelection& selection,
                         ViewState& view, const Catalogue& catalogue)
    : widgets_(widgets), selection_(selection), view_(view), catalogue_(catalogue) {
    for (std::size_t j = 0; j < slotBoxes_.size(); ++j)
        slotBoxes_[j] = widgets_.strip[j]->geometry();
    // Decodes finish in any order; their errors are still reported main picture first, then
    // the slots from left to right.
    SetReportOrder(&widgets_.mainImage, 1);
    for (std::size_t j = 0; j < widgets_.strip.size(); ++j)
        SetReportOrder(widgets_.strip[j], static_cast<int>(j) + 2);
}

void PictureView::ShowInMainArea(const std::string& fileName) {
    TImage& image = widgets_.mainImage;
    image.hide();
    image.Picture().LoadFromFile(fileName);
    view_.CurrentPicturePath = fileName.substr(1);
    image.setGeometry(CentredInMainArea(image.Picture().Width(), image.Picture().Height()));
    // Decodes in the background while the slots load; the first paint takes the bitmap.
    image.PrepareDrawing();
    image.show();
}

void PictureView::ShowEntry() {
    const int number = selection_.RowRecordNumber();
    if (number == 0)
        return; // nothing behind the row: the view keeps what it shows
    const CatalogueRecord& record = catalogue_.Record(number);
    ShowInMainArea("./images/" + record.MainPicture);
    view_.ShownRecord = number;
    view_.ThumbnailPage = 1;
    RefreshThumbnails();
    if (entryShown_)
        entryShown_();
}

std::vector<AheadPicture> PictureView::AheadOf(const CatalogueRecord& record, bool withMain,
                                               int first, int last) const {
    const QWidget* window = widgets_.mainImage.parentWidget();
    const QSize windowSize = window != nullptr ? window->size() : QSize();
    std::vector<AheadPicture> pictures;
    if (withMain) {
        pictures.push_back({"./images/" + record.MainPicture, [windowSize](int width, int height) {
                                return PlacedIn(CentredInMainArea(width, height), windowSize);
                            }});
    }
    for (int i = std::max(1, first); i <= std::min<int>(last, record.PictureCount); ++i) {
        const QRect& box = slotBoxes_[static_cast<std::size_t>(std::min(i, SlotCount) - 1)];
        const ThumbnailBox slot{box.left(), box.top(), box.width(), box.height()};
        pictures.push_back(
            {"images/" + record.Picture(i), [slot, windowSize](int width, int height) {
                 const ThumbnailPlacement placed = FitThumbnail(width, height, slot);
                 return PlacedIn(QRect(placed.left, placed.top, placed.width, placed.height),
                                 windowSize);
             }});
    }
    return pictures;
}

void PictureView::RefreshThumbnails() {
    const CatalogueRecord* record = selection_.Record();
    if (!record)
        return;
    for (int j = 1; j <= SlotCount; ++j) {
        TImage& slot = *widgets_.strip[j - 1];
        const int i = view_.ThumbnailPage + j - 1;
        if (i < 1 || i > record->PictureCount) {
            slot.hide();
            // A hidden slot is neither drawn nor clicked, and showing it loads its file again:
            // its decoded picture (36 MB for a 4000 x 3000 one) need not stay in memory.
            slot.Picture().SetGraphic(nullptr);
            continue;
        }
        slot.Picture().LoadFromFile("images/" + record->Picture(i));
        const QRect& box = slotBoxes_[j - 1];
        const ThumbnailPlacement placed =
            FitThumbnail(slot.Picture().Width(), slot.Picture().Height(),
                         {box.left(), box.top(), box.width(), box.height()});
        slot.SetStretch(true);
        slot.setGeometry(placed.left, placed.top, placed.width, placed.height);
        // Decoded in the background at the smallest scale that still covers the slot.
        slot.PrepareDrawing();
        slot.show();
    }
}

void PictureView::ShowSlotPicture(int slot) {
    const CatalogueRecord* record = selection_.Record();
    if (!record || slot < 1 || slot > SlotCount)
        return;
    const int i = view_.ThumbnailPage + slot - 1;
    if (i < 1 || i > record->PictureCount)
        return;
    ShowInMainArea("./images/" + record->Picture(i));
}

void PictureView::PageLeft() {
    if (!selection_.Record())
        return;
    if (view_.ThumbnailPage > 1) {
        --view_.ThumbnailPage;
        RefreshThumbnails();
    }
    RefreshArrows();
}

void PictureView::PageRight() {
    const CatalogueRecord* record = selection_.Record();
    if (!record)
        return;
    if (view_.ThumbnailPage + 3 < record->PictureCount) {
        ++view_.ThumbnailPage;
        RefreshThumbnails();
    }
    RefreshArrows();
}

void PictureView::RefreshArrows() {
    const CatalogueRecord* record = selection_.Record();
    if (!record)
        return; // no entry on show: the arrows keep what they draw
    TImage& left = widgets_.leftArrow;
    TImage& right = widgets_.rightArrow;
    const ViewState& view = view_;
    if (view.ThumbnailPage == 1) {
        left.Picture().LoadFromFile(view.StartDirectory + "\\inactivearrowleft.jpg",
                                    TextEncoding::System);
        left.setCursor(Qt::ArrowCursor);
    } else {
        left.Picture().LoadFromFile(view.StartDirectory + "\\activearrowleft.jpg",
                                    TextEncoding::System);
        left.setCursor(Qt::PointingHandCursor);
    }
    // Equality on purpose: an entry with fewer than four pictures shows an active right arrow.
    if (record->PictureCount == view.ThumbnailPage + 3) {
        right.Picture().LoadFromFile(view.StartDirectory + "\\inactivearrowright.jpg",
                                     TextEncoding::System);
        right.setCursor(Qt::ArrowCursor);
    } else {
        right.Picture().LoadFromFile(view.StartDirectory + "\\activearrowright.jpg",
                                     TextEncoding::System);
        right.setCursor(Qt::PointingHandCursor);
    }
}

void PictureView::PageByKey(int& key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Left) {
        key = 0;
        PageLeft();
    } else if (key == Qt::Key_Right) {
        key = 0;
        PageRight();
    }
}
