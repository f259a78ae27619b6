#include "skin/formbuilder.h"

#include "assets/assets.h"
#include "core/errors.h"
#include "pictures/pictures.h"
#include "skin/clickareaaccessible.h"
#include "skin/formstyle.h"
#include "skin/tbutton.h"
#include "skin/tcoolform.h"
#include "skin/tedit.h"
#include "skin/timage.h"
#include "skin/tlabel.h"
#include "skin/tlistbox.h"
#include "skin/ttimer.h"

#include <QAccessible>
#include <QWidget>
#include <algorithm>
#include <set>
#include <span>

QObject* FormControls::Find(const QString& name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

void FormControls::Add(const QString& name, QObject* control) {
    byName_[name] = control;
    inOrder_.push_back(control);
}

void FormControls::Missing(const QString& name) const {
    throw EInvalidOperation(("No control " + name + " of the requested class").toStdString());
}

namespace {

class Builder {
public:
    Builder(QWidget& form, const FormDescription& description, const FormHandlers& handlers)
        : form_(form), description_(description), handlers_(handlers) {}

    [[noreturn]] void Fail(const ControlDescription& control, const QString& what) const {
        throw EInvalidOperation(("Window description " + description_.className + ", control " +
                                 control.name + ": " + what)
                                    .toStdString());
    }

    // The handler an event of the control names, of the kind the event needs; an empty
    // function when the description binds nothing to the event.
    template <class Handler>
    Handler HandlerFor(const ControlDescription& control, const QString& event) {
        const auto named = control.events.find(event);
        if (named == control.events.end())
            return {};
        const auto found = handlers_.find(named->second);
        if (found == handlers_.end())
            Fail(control, "no handler " + named->second + " for " + event);
        const Handler* handler = std::get_if<Handler>(&found->second);
        if (!handler)
            Fail(control, "handler " + named->second + " does not fit " + event);
        used_.insert(named->second);
        return *handler;
    }

    void UseEventsOnly(const ControlDescription& control, const QStringList& events) const {
        for (const auto& [event, handler] : control.events) {
            if (!events.contains(event))
                Fail(control, control.className + " has no event " + event);
        }
    }

    void CheckEveryHandlerUsed() const {
        for (const auto& [name, handler] : handlers_) {
            if (!used_.contains(name))
                throw EInvalidOperation(
                    ("Window description " + description_.className + " binds no event to " + name)
                        .toStdString());
        }
    }

    void SetCommon(QWidget& widget, const ControlDescription& control) const {
        widget.setObjectName(control.name);
        widget.setGeometry(control.bounds);
        if (!control.visible)
            widget.setVisible(false);
        if (control.cursor == "crHandPoint")
            widget.setCursor(Qt::PointingHandCursor);
        if (!control.hint.isEmpty())
            widget.setToolTip(control.hint);
        if (!control.accessibleName.isEmpty())
            widget.setAccessibleName(control.accessibleName);
    }

    void LoadPicture(TPicture& picture, const ControlDescription& control) const {
        if (control.picture.isEmpty())
            return;
        const QByteArray bytes = AssetBytes("pictures/" + control.picture);
        if (bytes.isEmpty())
            Fail(control, "no built-in picture " + control.picture);
        picture.ReadEmbedded(std::span<const uint8_t>(
            reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())));
    }

    QObject* MakeCoolForm(const ControlDescription& control) {
        UseEventsOnly(control, {});
        // Re-parenting comes first: the form turns borderless before any setting is read.
        auto* skin = new TCoolForm(&form_);
        skin->setObjectName(control.name);
        skin->SetLeft(control.bounds.left());
        skin->SetTop(control.bounds.top());
        skin->SetWidth(control.bounds.width());
        skin->SetHeight(control.bounds.height());
        LoadPicture(skin->Picture(), control);
        // After the picture, so that the picture rule cannot drop the region just read.
        if (control.mask2)
            skin->ReadMask2(*control.mask2);
        skin->SetDraggable(control.draggable);
        return skin;
    }

    QObject* MakeImage(const ControlDescription& control) {
        UseEventsOnly(control, {"OnClick"});
        // The windows' click areas are buttons to assistive technology.
        static const bool clickAreasAccessible = [] {
            QAccessible::installFactory(&ClickAreaAccessible);
            return true;
        }();
        Q_UNUSED(clickAreasAccessible);
        auto* image = new TImage(&form_);
        SetCommon(*image, control);
        image->SetStretch(control.stretch);
        LoadPicture(image->Picture(), control);
        image->OnClick = HandlerFor<NotifyHandler>(control, "OnClick");
        return image;
    }

    QObject* MakeListBox(const ControlDescription& control) {
        UseEventsOnly(control, {"OnClick", "OnKeyDown"});
        auto* list = new TListBox(&form_);
        SetCommon(*list, control);
        ApplyTextStyle(*list, control, QPalette::Base, QPalette::Text);
        if (control.borderStyle == "bsSingle")
            list->setFrameShape(QFrame::StyledPanel);
        if (control.itemHeight)
            list->SetItemHeight(*control.itemHeight);
        for (const QString& item : control.items)
            list->AddRow(item);
        list->OnClick = HandlerFor<NotifyHandler>(control, "OnClick");
        list->OnKeyDown = HandlerFor<KeyDownHandler>(control, "OnKeyDown");
        return list;
    }

    QObject* MakeEdit(const ControlDescription& control) {
        UseEventsOnly(control, {"OnKeyPress"});
        auto* edit = new TEdit(&form_);
        SetCommon(*edit, control);
        ApplyTextStyle(*edit, control, QPalette::Base, QPalette::Text);
        if (control.borderStyle == "bsSingle")
            edit->setFrame(true);
        if (control.autoSize.value_or(false))
            edit->resize(edit->width(), edit->sizeHint().height());
        edit->OnKeyPress = HandlerFor<KeyPressHandler>(control, "OnKeyPress");
        return edit;
    }

    QObject* MakeLabel(const ControlDescription& control) {
        UseEventsOnly(control, {});
        auto* label = new TLabel(&form_);
        SetCommon(*label, control);
        ApplyTextStyle(*label, control, QPalette::Window, QPalette::WindowText);
        label->SetTransparent(control.transparent);
        label->SetAutoSize(control.autoSize.value_or(true));
        label->SetCaption(control.caption.value_or(QString()));
        return label;
    }

    QObject* MakeButton(const ControlDescription& control) {
        UseEventsOnly(control, {});
        auto* button = new TButton(&form_);
        SetCommon(*button, control);
        button->setText(control.caption.value_or(QString()));
        return button;
    }

    QObject* MakeTimer(const ControlDescription& control) {
        UseEventsOnly(control, {"OnTimer"});
        auto* timer = new TTimer(&form_);
        timer->setObjectName(control.name);
        timer->OnTimer = HandlerFor<NotifyHandler>(control, "OnTimer");
        timer->SetInterval(control.interval);
        timer->SetEnabled(control.enabled);
        return timer;
    }

private:
    QWidget& form_;
    const FormDescription& description_;
    const FormHandlers& handlers_;
    std::set<QString> used_;
};

bool IsWindowed(const QObject* control) {
    return qobject_cast<const TListBox*>(control) || qobject_cast<const TEdit*>(control) ||
           qobject_cast<const TButton*>(control);
}

} // namespace

FormControls BuildForm(QWidget& form, const FormDescription& description,
                       const FormHandlers& handlers, const ControlFactories& factories) {
    form.resize(description.clientSize);
    if (description.borderStyle == "bsNone")
        form.setWindowFlag(Qt::FramelessWindowHint);

    Builder builder(form, description, handlers);
    FormControls controls;
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlDescription& control : description.controls) {
        QObject* made = nullptr;
        if (const auto factory = factories.find(control.className); factory != factories.end())
            made = factory->second(form, control);
        else if (control.className == "TCoolForm")
            made = builder.MakeCoolForm(control);
        else if (control.className == "TImage")
            made = builder.MakeImage(control);
        else if (control.className == "TListBox")
            made = builder.MakeListBox(control);
        else if (control.className == "TEdit")
            made = builder.MakeEdit(control);
        else if (control.className == "TLabel")
            made = builder.MakeLabel(control);
        else if (control.className == "TButton")
            made = builder.MakeButton(control);
        else if (control.className == "TTimer")
            made = builder.MakeTimer(control);
        else if (control.className == "TSavePictureDialog")
            continue; // the window makes its own dialog when it needs one
        else
            builder.Fail(control, "unknown class " + control.className);
        if (!made)
            continue;
        controls.Add(control.name, made);
        if (auto* widget = qobject_cast<QWidget*>(made); widget && control.tabOrder)
            tabStops.emplace_back(*control.tabOrder, widget);
    }
    builder.CheckEveryHandlerUsed();

    // Windowed controls lie above every picture control, in their own declaration order.
    for (QObject* control : controls.InOrder()) {
        if (IsWindowed(control))
            static_cast<QWidget*>(control)->raise();
    }
    std::stable_sort(tabStops.begin(), tabStops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    return controls;
}
