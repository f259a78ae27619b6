#include "mainwindow/titlelist.h"

#include "app/application.h"
#include "app/tform.h"
#include "catalogue/catalogue.h"
#include "core/cp1250.h"
#include "mainwindow/pictureview.h"
#include "mainwindow/textcontains.h"
#include "mainwindow/tform1.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"
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

void AddAllTitles(TListBox& list) {
    const Catalogue& catalogue = TheCatalogue();
    for (int k = 1; k <= catalogue.RecordCount; ++k)
        list.AddRow(ScreenText(catalogue.Record(k).Title));
}
} // namespace

void FillTitleList() {
    TListBox& list = *MainForm()->ListBox1;
    list.Clear();
    AddAllTitles(list);
}

void ReturnToFullList() {
    View().ResultsShown = 0;
    FillTitleList();
    ResetListIndexMap(TheCatalogue());
}

void RunSearch() {
    TForm1& form = *MainForm();
    TListBox& list = *form.ListBox1;
    Catalogue& catalogue = TheCatalogue();
    const int mode = View().SearchMode;
    // The box gives Unicode; the records hold code page 1250. A character the code page
    // cannot hold is in no record, so such a needle finds nothing.
    const std::optional<std::string> needle = Utf8ToCp1250(form.Edit1->text().toStdString());

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
        Form(Window::NoHits)->ShowModal();
        return;
    }
    list.AddRow(QString());
    list.AddRow(mode == 1 ? QStringLiteral("<< Vissza a teljes listához")
                          : QStringLiteral("<< vissza a teljes listához"));
    list.SelectRow(FirstHitRow);
    ShowEntry();
    RefreshArrows();
    View().ResultsShown = 1;
}

void ListBox1Click() {
    RefreshArrows();
    if (View().ResultsShown == 0) {
        ShowEntry();
        RefreshArrows();
        return;
    }
    TListBox& list = *MainForm()->ListBox1;
    const int s = list.SelectedRow();
    const int c = list.RowCount();
    if (s <= 1) {
        list.SelectRow(FirstHitRow);
    } else if (s == c - 1) {
        ReturnToFullList();
    } else if (s == c - 2) {
        list.SelectRow(c - 3);
    } else {
        ShowEntry();
        RefreshArrows();
    }
}

void Image2Click() {
    const QString text = MainForm()->Edit1->text();
    if (text.isEmpty())
        return;
    if (text.size() == 1) {
        PlainMessage(QStringLiteral("A megadott szöveg túl rövid."));
        return;
    }
    RunSearch();
}

void Edit1KeyPress(int key) {
    if (key == 13)
        RunSearch();
}

void RadioImage1Click() {
    TForm1& form = *MainForm();
    form.RadioImage1->Picture().LoadFromFile(View().StartDirectory + "\\radioon.jpg",
                                             TextEncoding::System);
    form.RadioImage2->Picture().LoadFromFile(View().StartDirectory + "\\radiooff.jpg",
                                             TextEncoding::System);
    View().SearchMode = 1;
}

void RadioImage2Click() {
    TForm1& form = *MainForm();
    form.RadioImage1->Picture().LoadFromFile(View().StartDirectory + "\\radiooff.jpg",
                                             TextEncoding::System);
    form.RadioImage2->Picture().LoadFromFile(View().StartDirectory + "\\radioon.jpg",
                                             TextEncoding::System);
    View().SearchMode = 2;
}
