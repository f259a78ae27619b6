#pragma once
// The print confirmation: yes prints the shown picture and closes, no just closes.

#include "skin/tform.h"

struct WindowContext;

class TForm5 : public TForm {
    Q_OBJECT
public:
    // Prints through the context's print action.
    explicit TForm5(const WindowContext& context);

    void Image1Click();
    void Image2Click();

private:
    const WindowContext& context_;
};
