#pragma once
// The description of the selected entry: its third line as the heading and the page of its
// record number, the catalogue folder's own (any record up to 40) or else the built-in one. While
// it is open an unseen button holds the keyboard focus, so keys typed meanwhile do nothing.

#include "skin/tform.h"

#include <array>

class TButton;
class TImage;
class TLabel;
struct WindowContext;

// True from the description window's show until it closes.
extern bool DescriptionShowing;

class TForm3 : public TForm {
    Q_OBJECT
public:
    static constexpr int PageCount = 15;

    // Reads the selected entry from the context when it is shown.
    explicit TForm3(const WindowContext& context);

    void Image_okClick();
    void Timer1Timer();
    // Puts the focus on Button1, and asks for it when the window is not the active one.
    void HoldFocus();

    // Page k (1 … 15).
    TImage& Page(int k) const { return *pages_.at(k - 1); }
    // Shows the catalogue folder's own page of the record, when it has one.
    TImage& OwnPage() const { return *ownPage_; }

protected:
    void FormShow() override;
    void FormClose() override;

private:
    const WindowContext& context_;
    TLabel& Label1;
    TButton& Button1;
    std::array<TImage*, PageCount> pages_{};
    TImage* ownPage_ = nullptr;
};
