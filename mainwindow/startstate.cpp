#include "mainwindow/startstate.h"

#include "catalogue/catalogue.h"
#include "mainwindow/pictureview.h"
#include "mainwindow/tform1.h"
#include "mainwindow/titlelist.h"
#include "mainwindow/viewstate.h"
#include "skin/skin.h"

bool MainWindowAtStart() {
    const TForm1& form = *MainForm();
    const ViewState& view = View();
    const bool entryShown =
        TheCatalogue().RecordCount == 0 || (view.ShownRecord == 1 && view.ThumbnailPage == 1);
    return form.Edit1->text().isEmpty() && view.SearchMode == 1 && view.ResultsShown == 0 &&
           form.ListBox1->SelectedRow() == 0 && entryShown && form.pos() == form.FirstPlacement();
}

void ReturnMainWindowToStart() {
    TForm1& form = *MainForm();
    form.move(form.FirstPlacement());
    form.Edit1->clear();
    ReturnToFullList();
    form.ListBox1->SelectRow(0);
    ShowEntry();
    RefreshArrows();
    // The faces last: a face that fails to load leaves everything else at the start. In mode 1
    // they stay as they are, the window's own faces when nobody has chosen a mode yet.
    if (View().SearchMode != 1)
        RadioImage1Click();
}
