#pragma once
// The message that a search found nothing, closed by its OK area.

#include "app/tform.h"
#include "skin/skin.h"

class TForm2 : public TForm {
    Q_OBJECT
public:
    TForm2();

    void Image1Click();

    const FormControls& Controls() const { return controls_; }

private:
    explicit TForm2(const FormDescription& description);

    FormControls controls_;
};
