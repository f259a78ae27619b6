#pragma once
// The about window with the credits, closed by its OK area (which keeps the arrow pointer).

#include "skin/tform.h"

class TForm7 : public TForm {
    Q_OBJECT
public:
    TForm7();

    void Image2Click();

protected:
    // The catalogue folder's own background, when it brings one.
    void FormShow() override;
};
