#include "mainwindow/titlelist.h"

#include "catalogue/catalogue.h"
#include "core/cp1250.h"
#include "mainwindow/pictureview.h"
#include "mainwindow/textcontains.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"
#include "shell/plainmessage.h"
#include "skin/skin.h"

#include <optional>

namespace {
constexpr int FirstHitRow = 2;

QString ScreenText(const std::string& cp1250) {
    return QString::fromStdString(Cp1250ToUtf8(cp1250));
}

bool IsHit(const CatalogueRecord& record, const std::string& needle, int mode) {
    if (mode == 1)
        return TextContains(record.Line2, needle) || TextContains(record.Line3, needle);
    for (int i = 1; i <= record.IndexLineCount; ++i) {
        if (TextContains(record.IndexLine(i), needle))
            return true;
    }
    return false;
}

void AddAllTitles(TListBox& list, const Catalogue& catalogue) {
    for (int k = 1; k <= catalogue.RecordCount; ++k)
        list.AddRow(ScreenText(catalogue.Record(k).Title));
}
} // namespace

TitleList::TitleList(const TitleListWidgets& widgets, PictureView& pictureView, ViewState& view,
                     Catalogue& catalogue, std::function<void()> showNoHits)
    : widgets_(widgets), pictureView_(pictureView), view_(view), catalogue_(catalogue),
      showNoHits_(std::move(showNoHits)) {}

void TitleList::Fill() {
    TListBox& list = widgets_.list;
    list.Clear();
    AddAllTitles(list, catalogue_);
}

void TitleList::ReturnToFullList() {
    view_.ResultsShown = 0;
    Fill();
    ResetListIndexMap(catalogue_);
}

void TitleList::RunSearch() {
    TListBox& list = widgets_.list;
    Catalogue& catalogue = catalogue_;
    const int mode = view_.SearchMode;
    // The box gives Unicode; the records hold code page 1250. A character the code page
    // cannot hold is in no record, so such a needle finds nothing.
    const std::optional<std::string> needle = Utf8ToCp1250(widgets_.searchBox.text().toStdString());

    int nextHitRow = FirstHitRow;
    for (int k = 1; needle && k <= catalogue.RecordCount; ++k) {
        const CatalogueRecord& record = catalogue.Record(k);
        if (!IsHit(record, *needle, mode))
            continue;
        if (nextHitRow == FirstHitRow) {
            list.Clear();
            list.AddRow(QStringLiteral("Találatok:"));
            list.AddRow(QString());
        }
        list.AddRow(ScreenText(record.Title));
        catalogue.MapResultRow(FirstHitRow, nextHitRow, k);
        ++nextHitRow;
    }
    if (nextHitRow == FirstHitRow) {
        showNoHits_();
        return;
    }
    list.AddRow(QString());
    list.AddRow(mode == 1 ? QStringLiteral("<< Vissza a teljes listához")
                          : QStringLiteral("<< vissza a teljes listához"));
    list.SelectRow(FirstHitRow);
    pictureView_.ShowEntry();
    pictureView_.RefreshArrows();
    view_.ResultsShown = 1;
}

void TitleList::ListClick() {
    pictureView_.RefreshArrows();
    if (view_.ResultsShown == 0) {
        pictureView_.ShowEntry();
        pictureView_.RefreshArrows();
        return;
    }
    TListBox& list = widgets_.list;
    const int s = list.SelectedRow();
    const int c = list.RowCount();
    if (s <= 1) {
        list.SelectRow(FirstHitRow);
    } else if (s == c - 1) {
        ReturnToFullList();
    } else if (s == c - 2) {
        list.SelectRow(c - 3);
    } else {
        pictureView_.ShowEntry();
        pictureView_.RefreshArrows();
    }
}

void TitleList::SearchClick() {
    const QString text = widgets_.searchBox.text();
    if (text.isEmpty())
        return;
    if (text.size() == 1) {
        PlainMessage(QStringLiteral("A megadott szöveg túl rövid."));
        return;
    }
    RunSearch();
}

void TitleList::SearchKeyPress(QChar& key) {
    if (key.unicode() == 13)
        RunSearch();
}

void TitleList::ChoosePlaceAndTime() {
    widgets_.placeAndTimeFace.Picture().LoadFromFile(view_.StartDirectory + "\\radioon.jpg",
                                                     TextEncoding::System);
    widgets_.indexFace.Picture().LoadFromFile(view_.StartDirectory + "\\radiooff.jpg",
                                              TextEncoding::System);
    view_.SearchMode = 1;
}

void TitleList::ChooseIndex() {
    widgets_.placeAndTimeFace.Picture().LoadFromFile(view_.StartDirectory + "\\radiooff.jpg",
                                                     TextEncoding::System);
    widgets_.indexFace.Picture().LoadFromFile(view_.StartDirectory + "\\radioon.jpg",
                                              TextEncoding::System);
    view_.SearchMode = 2;
}
