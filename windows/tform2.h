#pragma once
// The message that a search found nothing, closed by its OK area.

#include "skin/tform.h"

class TForm2 : public TForm {
    Q_OBJECT
public:
    TForm2();

    void Image1Click();
};
