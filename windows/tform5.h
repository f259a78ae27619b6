#pragma once
// The print confirmation: yes prints the shown picture and closes, no just closes.

#include "app/tform.h"

class TForm5 : public TForm {
    Q_OBJECT
public:
    TForm5();

    void Image1Click();
    void Image2Click();
};
