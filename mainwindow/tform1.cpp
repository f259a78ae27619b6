#include "mainwindow/tform1.h"

#include "catalogue/catalogue.h"
#include "core/files.h"
#include "mainwindow/viewstate.h"
#include "skin/skin.h"

namespace {
TImage* Image(const TForm& form, const char* name) {
    return &form.Controls().Get<TImage>(name);
}
} // namespace

TForm1::TForm1(const WindowContext& context)
    : TForm(
          staticMetaObject,
          Bind<TForm1>(
              this,
              {
                  {"Image1Click", &TForm1::Close},
                  {"RadioImage1Click", &TForm1::titleList_, &TitleList::ChoosePlaceAndTime},
                  {"RadioImage2Click", &TForm1::titleList_, &TitleList::ChooseIndex},
                  {"imageprev1Click", &TForm1::pictureView_, &PictureView::ShowSlotPicture, 1},
                  {"imageprev2Click", &TForm1::pictureView_, &PictureView::ShowSlotPicture, 2},
                  {"imageprev3Click", &TForm1::pictureView_, &PictureView::ShowSlotPicture, 3},
                  {"imageprev4Click", &TForm1::pictureView_, &PictureView::ShowSlotPicture, 4},
                  {"Image2Click", &TForm1::titleList_, &TitleList::SearchClick},
                  {"Image5Click", &TForm1::pictureView_, &PictureView::PageLeft},
                  {"Image6Click", &TForm1::pictureView_, &PictureView::PageRight},
                  {"Image7Click", &TForm1::opener_, &WindowOpener::Show, Window::Description},
                  {"Image8Click", &TForm1::saveCopy_, &SaveCopy::Run},
                  {"Image9Click", &TForm1::opener_, &WindowOpener::Show, Window::PrintConfirmation},
                  {"Image10Click", &TForm1::opener_, &WindowOpener::Show, Window::About},
                  {"Edit1KeyPress", &TForm1::titleList_, &TitleList::SearchKeyPress},
                  {"ListBox1Click", &TForm1::titleList_, &TitleList::ListClick},
                  {"ListBox1KeyDown", &TForm1::pictureView_, &PictureView::PageByKey},
              })),
      Image1(Image(*this, "Image1")), RadioImage1(Image(*this, "RadioImage1")),
      RadioImage2(Image(*this, "RadioImage2")),
      MainImage(Image(*this, "MainImage")), imageprev{Image(*this, "imageprev1"),
                                                      Image(*this, "imageprev2"),
                                                      Image(*this, "imageprev3"),
                                                      Image(*this, "imageprev4")},
      Image2(Image(*this, "Image2")), Image3(Image(*this, "Image3")),
      Image4(Image(*this, "Image4")), Image5(Image(*this, "Image5")),
      Image6(Image(*this, "Image6")), Image7(Image(*this, "Image7")),
      Image8(Image(*this, "Image8")), Image9(Image(*this, "Image9")),
      Image10(Image(*this, "Image10")), Edit1(&Controls().Get<TEdit>("Edit1")),
      ListBox1(&Controls().Get<TListBox>("ListBox1")), opener_(context),
      selection_(*ListBox1, *MainImage, TheCatalogue(), View()),
      pictureView_({*MainImage, imageprev, *Image5, *Image6}, selection_, View(), TheCatalogue()),
      entriesAhead_(*ListBox1, TheCatalogue(), pictureView_),
      titleList_({*ListBox1, *Edit1, *RadioImage1, *RadioImage2}, pictureView_, View(),
                 TheCatalogue(), [this] { opener_.Show(Window::NoHits); }),
      saveCopy_(*this, View()) {
    SetClosingEndsProgram();
    pictureView_.SetEntryShown([this] { entriesAhead_.Schedule(); });
}

TForm1::~TForm1() = default;

void TForm1::LoadCatalogue() {
    LoadCatalogueFile(TheCatalogue(), "datas.dat");
    titleList_.Fill();
}

void TForm1::FormShow() {
    opener_.Show(Window::Splash);
    opener_.Show(Window::Introduction);
    ShowOwnBackgroundParts();
    View().StartDirectory = files::CurrentDirectory();
    TheCatalogue().RecordCount = 0;
    View().SearchMode = 1;
    ResetListIndexMap(TheCatalogue());
    LoadCatalogue();
    View().ResultsShown = 0;
    ListBox1->SelectRow(0);
    pictureView_.ShowEntry();
    pictureView_.RefreshArrows();
}

void TForm1::ShowOwnBackgroundParts() {
    // From the built-in background each time, so that a catalogue replaced under a kiosk
    // shows its own parts, or the built-in ones where it brings none.
    TCoolForm& skin = Controls().Get<TCoolForm>("CoolForm1");
    if (!builtInBackground_.Graphic()) {
        builtInBackground_.Assign(skin.Picture());
        builtInLinkName_ = Image7->accessibleName();
    } else {
        skin.Picture().Assign(builtInBackground_);
    }
    LoadOwnBackgroundPart({PageKind::Logo, 0}, skin);
    // The link's built-in name speaks of an altarpiece; the own caption's words cannot be
    // read, so it is named by what it opens.
    Image7->setAccessibleName(LoadOwnBackgroundPart({PageKind::DescriptionLink, 0}, skin)
                                  ? QStringLiteral("Leírás")
                                  : builtInLinkName_);
}

bool TForm1::AtStart() const {
    const ViewState& view = View();
    const bool entryShown =
        TheCatalogue().RecordCount == 0 || (view.ShownRecord == 1 && view.ThumbnailPage == 1);
    return Edit1->text().isEmpty() && view.SearchMode == 1 && view.ResultsShown == 0 &&
           ListBox1->SelectedRow() == 0 && entryShown && pos() == FirstPlacement();
}

void TForm1::ReturnToStart() {
    move(FirstPlacement());
    Edit1->clear();
    titleList_.ReturnToFullList();
    ListBox1->SelectRow(0);
    pictureView_.ShowEntry();
    pictureView_.RefreshArrows();
    ShowOwnBackgroundParts();
    // The faces last: a face that fails to load leaves everything else at the start. In mode 1
    // they stay as they are, the window's own faces when nobody has chosen a mode yet.
    if (View().SearchMode != 1)
        titleList_.ChoosePlaceAndTime();
}

void TForm1::PageStrip(bool forward) {
    if (forward)
        pictureView_.PageRight();
    else
        pictureView_.PageLeft();
}
