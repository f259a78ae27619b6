#include "mainwindow/tform1.h"

#include "app/application.h"
#include "catalogue/catalogue.h"
#include "core/files.h"
#include "mainwindow/pictureview.h"
#include "mainwindow/savecopy.h"
#include "mainwindow/titlelist.h"
#include "mainwindow/tsavepicturedialog.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"
#include "skin/skin.h"

namespace {
TForm1* theMainForm = nullptr;
} // namespace

TForm1* MainForm() {
    return theMainForm;
}

void LoadCatalogue() {
    LoadCatalogueFile(TheCatalogue(), "datas.dat");
    FillTitleList();
}

TForm1::TForm1()
    : TForm(staticMetaObject,
            Bind<TForm1>(this, {
                                   {"Image1Click", &TForm1::Image1Click},
                                   {"RadioImage1Click", &TForm1::RadioImage1Click},
                                   {"RadioImage2Click", &TForm1::RadioImage2Click},
                                   {"imageprev1Click", &TForm1::imageprev1Click},
                                   {"imageprev2Click", &TForm1::imageprev2Click},
                                   {"imageprev3Click", &TForm1::imageprev3Click},
                                   {"imageprev4Click", &TForm1::imageprev4Click},
                                   {"Image2Click", &TForm1::Image2Click},
                                   {"Image5Click", &TForm1::Image5Click},
                                   {"Image6Click", &TForm1::Image6Click},
                                   {"Image7Click", &TForm1::Image7Click},
                                   {"Image8Click", &TForm1::Image8Click},
                                   {"Image9Click", &TForm1::Image9Click},
                                   {"Image10Click", &TForm1::Image10Click},
                                   {"Edit1KeyPress", &TForm1::Edit1KeyPress},
                                   {"ListBox1Click", &TForm1::ListBox1Click},
                                   {"ListBox1KeyDown", &TForm1::ListBox1KeyDown},
                               })) {
    const FormControls& controls = Controls();
    auto image = [&controls](const char* name) { return &controls.Get<TImage>(name); };
    Image1 = image("Image1");
    RadioImage1 = image("RadioImage1");
    RadioImage2 = image("RadioImage2");
    MainImage = image("MainImage");
    imageprev = {image("imageprev1"), image("imageprev2"), image("imageprev3"),
                 image("imageprev4")};
    for (std::size_t j = 0; j < imageprev.size(); ++j)
        imageprevBoxes[j] = imageprev[j]->geometry();
    Image2 = image("Image2");
    Image3 = image("Image3");
    Image4 = image("Image4");
    Image5 = image("Image5");
    Image6 = image("Image6");
    Image7 = image("Image7");
    Image8 = image("Image8");
    Image9 = image("Image9");
    Image10 = image("Image10");
    Edit1 = &controls.Get<TEdit>("Edit1");
    ListBox1 = &controls.Get<TListBox>("ListBox1");
    theMainForm = this;
}

TForm1::~TForm1() {
    if (theMainForm == this)
        theMainForm = nullptr;
}

TSavePictureDialog& TForm1::SavePictureDialog() {
    if (!SavePictureDialog1) {
        SavePictureDialog1 = new TSavePictureDialog(this);
        SavePictureDialog1->setObjectName(QStringLiteral("SavePictureDialog1"));
    }
    return *SavePictureDialog1;
}

void TForm1::FormShow() {
    Form(Window::Splash)->ShowModal();
    Form(Window::Introduction)->ShowModal();
    View().StartDirectory = files::CurrentDirectory();
    TheCatalogue().RecordCount = 0;
    View().SearchMode = 1;
    ResetListIndexMap(TheCatalogue());
    LoadCatalogue();
    View().ResultsShown = 0;
    ListBox1->SelectRow(0);
    ShowEntry();
    RefreshArrows();
}

void TForm1::Image1Click() {
    Close();
}
void TForm1::RadioImage1Click() {
    ::RadioImage1Click();
}
void TForm1::RadioImage2Click() {
    ::RadioImage2Click();
}
void TForm1::imageprev1Click() {
    ShowSlotPicture(1);
}
void TForm1::imageprev2Click() {
    ShowSlotPicture(2);
}
void TForm1::imageprev3Click() {
    ShowSlotPicture(3);
}
void TForm1::imageprev4Click() {
    ShowSlotPicture(4);
}
void TForm1::Image2Click() {
    ::Image2Click();
}
void TForm1::Image5Click() {
    PageLeft();
}
void TForm1::Image6Click() {
    PageRight();
}
void TForm1::Image7Click() {
    Form(Window::Description)->ShowModal();
}
void TForm1::Image8Click() {
    ::Image8Click();
}
void TForm1::Image9Click() {
    Form(Window::PrintConfirmation)->ShowModal();
}
void TForm1::Image10Click() {
    Form(Window::About)->ShowModal();
}
void TForm1::Edit1KeyPress(QChar& key) {
    ::Edit1KeyPress(key.unicode());
}
void TForm1::ListBox1Click() {
    ::ListBox1Click();
}

void TForm1::ListBox1KeyDown(int& key, Qt::KeyboardModifiers) {
    // Left and Right page the strip and never reach the list, so its selection stays.
    if (key == Qt::Key_Left) {
        key = 0;
        PageLeft();
    } else if (key == Qt::Key_Right) {
        key = 0;
        PageRight();
    }
}
