#include "windows/tform3.h"

#include "catalogue/catalogue.h"
#include "core/cp1250.h"
#include "mainwindow/selectedentry.h"
#include "mainwindow/windowcontext.h"
#include "pictures/pictures.h"
#include "skin/skin.h"

bool DescriptionShowing = false;

namespace {
const QRect PagePlace(19, 52, 715, 415);
// Page 10 is 7 rows short of its picture: the box it is given is 400 high.
constexpr int Page10Height = 400;
} // namespace

TForm3::TForm3(const WindowContext& context)
    : TForm(staticMetaObject, Bind(this, {{"Image_okClick", &TForm3::Image_okClick},
                                          {"Timer1Timer", &TForm3::Timer1Timer}})),
      context_(context), Label1(Controls().Get<TLabel>("Label1")),
      Button1(Controls().Get<TButton>("Button1")) {
    for (int k = 1; k <= PageCount; ++k)
        pages_[k - 1] = &Controls().Get<TImage>("Image" + QString::number(k));
    // Above the background and beside the built-in pages, hidden until a record has its page.
    ownPage_ = new TImage(this);
    ownPage_->setObjectName("OwnPage");
    ownPage_->hide();
}

void TForm3::FormShow() {
    DescriptionShowing = true;
    HoldFocus();
    for (TImage* page : pages_)
        page->hide();
    ownPage_->hide();

    // With no record behind the selection there is nothing to describe: no heading, no page.
    const SelectedEntry* selected = context_.selected;
    const int k = selected ? selected->RecordNumber() : 0;
    const CatalogueRecord* record = selected ? selected->Record() : nullptr;
    Label1.SetCaption(record ? QString::fromStdString(Cp1250ToUtf8(record->Line3)) : QString());
    QRect box = PagePlace;
    if (k == 10)
        box.setHeight(Page10Height);
    if (k >= 1 && k <= MaxRecords && LoadOwnPage({PageKind::Description, k}, ownPage_->Picture())) {
        ownPage_->setGeometry(box);
        ownPage_->show();
    } else if (k >= 1 && k <= PageCount) {
        Page(k).setGeometry(box);
        Page(k).show();
    }
}

void TForm3::FormClose() {
    DescriptionShowing = false;
}

void TForm3::Image_okClick() {
    Close();
}

void TForm3::Timer1Timer() {
    if (DescriptionShowing)
        HoldFocus();
}

void TForm3::HoldFocus() {
    Button1.setFocus(Qt::OtherFocusReason);
    if (isVisible() && !isActiveWindow())
        activateWindow();
}
