#include "mainwindow/pictureview.h"

#include "catalogue/catalogue.h"
#include "mainwindow/selectedentry.h"
#include "mainwindow/tform1.h"
#include "mainwindow/thumbnailfit.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"

namespace {
constexpr int SlotCount = std::tuple_size_v<decltype(TForm1::imageprev)>;

void ShowInMainArea(const std::string& fileName) {
    TImage& image = MainImage();
    image.hide();
    image.Picture().LoadFromFile(fileName);
    View().CurrentPicturePath = fileName.substr(1);
    image.setGeometry(CentredInMainArea(image.Picture().Width(), image.Picture().Height()));
    // Decodes in the background while the slots load; the first paint takes the bitmap.
    image.PrepareDrawing();
    image.show();
}
} // namespace

QRect CentredInMainArea(int width, int height) {
    return {MainPictureArea.left() + (MainPictureArea.width() - width) / 2,
            MainPictureArea.top() + (MainPictureArea.height() - height) / 2, width, height};
}

void ShowEntry() {
    const int number = RowRecordNumber();
    if (number == 0)
        return; // nothing behind the row: the view keeps what it shows
    const CatalogueRecord& record = TheCatalogue().Record(number);
    ShowInMainArea("./images/" + record.MainPicture);
    View().ShownRecord = number;
    View().ThumbnailPage = 1;
    RefreshThumbnails();
}

void RefreshThumbnails() {
    const CatalogueRecord* record = SelectedRecord();
    if (!record)
        return;
    TForm1& form = *MainForm();
    for (int j = 1; j <= SlotCount; ++j) {
        TImage& slot = *form.imageprev[j - 1];
        const int i = View().ThumbnailPage + j - 1;
        if (i < 1 || i > record->PictureCount) {
            slot.hide();
            // A hidden slot is neither drawn nor clicked, and showing it loads its file again:
            // its decoded picture (36 MB for a 4000 x 3000 one) need not stay in memory.
            slot.Picture().SetGraphic(nullptr);
            continue;
        }
        slot.Picture().LoadFromFile("images/" + record->Picture(i));
        const QRect& box = form.imageprevBoxes[j - 1];
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

void ShowSlotPicture(int slot) {
    const CatalogueRecord* record = SelectedRecord();
    if (!record || slot < 1 || slot > SlotCount)
        return;
    const int i = View().ThumbnailPage + slot - 1;
    if (i < 1 || i > record->PictureCount)
        return;
    ShowInMainArea("./images/" + record->Picture(i));
}

void PageLeft() {
    if (!SelectedRecord())
        return;
    if (View().ThumbnailPage > 1) {
        --View().ThumbnailPage;
        RefreshThumbnails();
    }
    RefreshArrows();
}

void PageRight() {
    const CatalogueRecord* record = SelectedRecord();
    if (!record)
        return;
    if (View().ThumbnailPage + 3 < record->PictureCount) {
        ++View().ThumbnailPage;
        RefreshThumbnails();
    }
    RefreshArrows();
}

void RefreshArrows() {
    const CatalogueRecord* record = SelectedRecord();
    if (!record)
        return; // no entry on show: the arrows keep what they draw
    TForm1& form = *MainForm();
    const ViewState& view = View();
    if (view.ThumbnailPage == 1) {
        form.Image5->Picture().LoadFromFile(view.StartDirectory + "\\inactivearrowleft.jpg",
                                            TextEncoding::System);
        form.Image5->setCursor(Qt::ArrowCursor);
    } else {
        form.Image5->Picture().LoadFromFile(view.StartDirectory + "\\activearrowleft.jpg",
                                            TextEncoding::System);
        form.Image5->setCursor(Qt::PointingHandCursor);
    }
    // Equality on purpose: an entry with fewer than four pictures shows an active right arrow.
    if (record->PictureCount == view.ThumbnailPage + 3) {
        form.Image6->Picture().LoadFromFile(view.StartDirectory + "\\inactivearrowright.jpg",
                                            TextEncoding::System);
        form.Image6->setCursor(Qt::ArrowCursor);
    } else {
        form.Image6->Picture().LoadFromFile(view.StartDirectory + "\\activearrowright.jpg",
                                            TextEncoding::System);
        form.Image6->setCursor(Qt::PointingHandCursor);
    }
}
