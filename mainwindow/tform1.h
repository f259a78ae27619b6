#pragma once
// The main window: the title list, the picture view with its thumbnail strip, the search and
// the buttons, laid out by its built-in description. Its parts (the selection, the picture
// view, the title list and saving a copy) are handed the controls they use; the window's
// handler table runs them.

#include "mainwindow/entriesahead.h"
#include "mainwindow/pictureview.h"
#include "mainwindow/savecopy.h"
#include "mainwindow/selectedentry.h"
#include "mainwindow/titlelist.h"
#include "mainwindow/windowcontext.h"
#include "pictures/pictures.h"
#include "skin/tform.h"

#include <QString>

#include <array>

class TEdit;
class TImage;
class TListBox;

class TForm1 : public TForm {
    Q_OBJECT
public:
    // Opens the other windows through the context, and is what its selected entry reads.
    explicit TForm1(const WindowContext& context);
    ~TForm1() override;

    // The entry and picture the user is looking at.
    const SelectedEntry& Selection() const { return selection_; }

    // Whether the window is as start-up leaves it: the full title list with row 0 selected and
    // its entry shown, the strip on its first page, an empty search box, search mode 1, in its
    // first place.
    bool AtStart() const;
    // Back there, through the same steps as start-up (so a missing picture raises what it
    // raises at start-up).
    void ReturnToStart();
    // Pages the strip as its arrows do.
    void PageStrip(bool forward);

    // The controls, by their layout names.
    TImage* Image1;
    TImage* RadioImage1;
    TImage* RadioImage2;
    TImage* MainImage;
    std::array<TImage*, PictureViewWidgets::SlotCount> imageprev;
    TImage* Image2;
    TImage* Image3;
    TImage* Image4;
    TImage* Image5;
    TImage* Image6;
    TImage* Image7;
    TImage* Image8;
    TImage* Image9;
    TImage* Image10;
    TEdit* Edit1;
    TListBox* ListBox1;

protected:
    void FormShow() override;

private:
    // The start-up sequence's catalogue step: reads datas.dat and fills the title list.
    void LoadCatalogue();
    // The catalogue folder's own logo and description link set into the background (pages/).
    void ShowOwnBackgroundParts();

    WindowOpener opener_;
    TitleListSelection selection_;
    PictureView pictureView_;
    EntriesAhead entriesAhead_;
    TitleList titleList_;
    SaveCopy saveCopy_;
    TPicture builtInBackground_;
    QString builtInLinkName_;
};
