#pragma once
// The splash window. Only its photograph closes it; the rest of it drags the window.

#include "skin/tform.h"

class TForm6 : public TForm {
    Q_OBJECT
public:
    TForm6();

    void Image1Click();

protected:
    // The catalogue folder's own background, when it brings one.
    void FormShow() override;
};
