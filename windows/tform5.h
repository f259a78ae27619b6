#pragma once
// The print confirmation: yes prints the shown picture and closes, no just closes.

#include "app/tform.h"
#include "skin/skin.h"

class TForm5 : public TForm {
    Q_OBJECT
public:
    TForm5();

    void Image1Click();
    void Image2Click();

    const FormControls& Controls() const { return controls_; }

private:
    explicit TForm5(const FormDescription& description);

    FormControls controls_;
};
