#pragma once
// The two-page introduction. A page is put out of sight by moving it past the right edge;
// nothing records which page is in view.

#include "skin/tform.h"

class TImage;

class TForm8 : public TForm {
    Q_OBJECT
public:
    TForm8();

    void prevClick();
    void okClick();
    void nextClick();

protected:
    // The catalogue folder's own pages, when it brings them.
    void FormShow() override;

private:
    TImage& Image1;
    TImage& Image2;
};
