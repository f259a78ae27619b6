#pragma once
// Builds a window's controls from its description: creates them in declaration order (the
// stacking order), sets what the description gives, and binds their events to the window's
// handlers. The controls belong to the window; the builder hands them back by name.

#include "skin/formdescription.h"
#include "skin/formhandlers.h"

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QWidget;

class FormControls {
public:
    // The control of that name and class; EInvalidOperation when there is none.
    template <class Control> Control& Get(const QString& name) const {
        auto* control = dynamic_cast<Control*>(Find(name));
        if (!control)
            Missing(name);
        return *control;
    }
    // Null when there is no control of that name.
    QObject* Find(const QString& name) const;
    // Every created control in declaration order.
    const std::vector<QObject*>& InOrder() const { return inOrder_; }

    void Add(const QString& name, QObject* control);

private:
    [[noreturn]] void Missing(const QString& name) const;

    std::map<QString, QObject*> byName_;
    std::vector<QObject*> inOrder_;
};

// Makes a control of a class the builder does not know (for example the save dialog); it
// sets up and binds the control itself.
using ControlFactory = std::function<QObject*(QWidget& form, const ControlDescription&)>;
using ControlFactories = std::map<QString, ControlFactory>;

// Raises EInvalidOperation for a description the builder cannot honour: an unknown class, an
// event the class does not have, a handler name missing from the table (or a table entry no
// event uses, or one of the wrong kind), a missing picture.
FormControls BuildForm(QWidget& form, const FormDescription& description,
                       const FormHandlers& handlers, const ControlFactories& factories = {});
