#pragma once
// The splash window. Only its photograph closes it; the rest of it drags the window.

#include "app/tform.h"
#include "skin/skin.h"

class TForm6 : public TForm {
    Q_OBJECT
public:
    TForm6();

    void Image1Click();

    const FormControls& Controls() const { return controls_; }

private:
    explicit TForm6(const FormDescription& description);

    FormControls controls_;
};
