#pragma once
// The about window with the credits, closed by its OK area (which keeps the arrow pointer).

#include "app/tform.h"
#include "skin/skin.h"

class TForm7 : public TForm {
    Q_OBJECT
public:
    TForm7();

    void Image2Click();

    const FormControls& Controls() const { return controls_; }

private:
    explicit TForm7(const FormDescription& description);

    FormControls controls_;
};
