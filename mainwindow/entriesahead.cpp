#include "mainwindow/entriesahead.h"

#include "catalogue/catalogue.h"
#include "mainwindow/pictureview.h"
#include "pictures/pictures.h"
#include "skin/skin.h"

#include <iterator>
#include <vector>

EntriesAhead::EntriesAhead(const TListBox& list, const Catalogue& catalogue,
                           const PictureView& view)
    : list_(list), catalogue_(catalogue), view_(view) {}

void EntriesAhead::Schedule() {
    const int selected = list_.SelectedRow();
    const int rows = list_.RowCount();
    if (selected < 0)
        return;
    std::vector<AheadPicture> pictures;
    auto add = [&pictures](std::vector<AheadPicture> more) {
        pictures.insert(pictures.end(), std::make_move_iterator(more.begin()),
                        std::make_move_iterator(more.end()));
    };
    for (const int row : {selected + 1, selected - 1}) {
        if (const CatalogueRecord* record = catalogue_.RecordForRow(row))
            add(view_.AheadOf(*record, true, 1, PictureViewWidgets::SlotCount));
    }
    if (const CatalogueRecord* shown = catalogue_.RecordForRow(selected))
        add(view_.AheadOf(*shown, false, PictureViewWidgets::SlotCount + 1, shown->PictureCount));
    for (int distance = 2; distance < rows; ++distance) {
        for (const int row : {selected + distance, selected - distance}) {
            if (const CatalogueRecord* record = catalogue_.RecordForRow(row))
                add(view_.AheadOf(*record, false, 1, PictureViewWidgets::SlotCount));
        }
    }
    DecodeAhead(std::move(pictures));
}
