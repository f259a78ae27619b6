#pragma once
// The main window: the title list, the picture view with its thumbnail strip, the search and
// the buttons, laid out by its built-in description; the handlers live with the operations
// they serve (pictureview, titlelist, savecopy).

#include "app/tform.h"

#include <QRect>
#include <array>

class TEdit;
class TImage;
class TListBox;
class TSavePictureDialog;

class TForm1 : public TForm {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    TImage* Image1 = nullptr;
    TImage* RadioImage1 = nullptr;
    TImage* RadioImage2 = nullptr;
    TImage* MainImage = nullptr;
    std::array<TImage*, 4> imageprev{};
    // Where the description puts each strip slot; the slot itself moves to fit its thumbnail.
    std::array<QRect, 4> imageprevBoxes{};
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image4 = nullptr;
    TImage* Image5 = nullptr;
    TImage* Image6 = nullptr;
    TImage* Image7 = nullptr;
    TImage* Image8 = nullptr;
    TImage* Image9 = nullptr;
    TImage* Image10 = nullptr;
    TEdit* Edit1 = nullptr;
    TListBox* ListBox1 = nullptr;
    // Made at its first use, not with the window: a file dialog takes longer to build than
    // everything else the program shows before its splash.
    TSavePictureDialog& SavePictureDialog();

protected:
    void FormShow() override;

private:
    TSavePictureDialog* SavePictureDialog1 = nullptr;

    void Image1Click();
    void RadioImage1Click();
    void RadioImage2Click();
    void imageprev1Click();
    void imageprev2Click();
    void imageprev3Click();
    void imageprev4Click();
    void Image2Click();
    void Image5Click();
    void Image6Click();
    void Image7Click();
    void Image8Click();
    void Image9Click();
    void Image10Click();
    void Edit1KeyPress(QChar& key);
    void ListBox1Click();
    void ListBox1KeyDown(int& key, Qt::KeyboardModifiers shift);
};

// The main window of the running program (null before it is created).
TForm1* MainForm();

// The start-up sequence's catalogue step: reads datas.dat and fills the title list.
void LoadCatalogue();
