#pragma once
// The message that a search found nothing, closed by its OK area.

#include "app/tform.h"

class TForm2 : public TForm {
    Q_OBJECT
public:
    TForm2();

    void Image1Click();
};
