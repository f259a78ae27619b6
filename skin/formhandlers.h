#pragma once
// The handlers a window class offers to its description, by name: the description says which
// event of which control runs which handler, the window class says what each name means.

#include <QChar>
#include <QString>
#include <functional>
#include <initializer_list>
#include <map>
#include <variant>

// OnClick and OnTimer.
using NotifyHandler = std::function<void()>;
// OnKeyDown: a Qt::Key value; setting it to 0 swallows the key.
using KeyDownHandler = std::function<void(int& key, Qt::KeyboardModifiers shift)>;
// OnKeyPress: the typed character; setting it to 0 keeps it from the control.
using KeyPressHandler = std::function<void(QChar& key)>;

using FormHandler = std::variant<NotifyHandler, KeyDownHandler, KeyPressHandler>;
using FormHandlers = std::map<QString, FormHandler>;

// A member function as the handler it serves as; object() gives the object it runs on when the
// handler runs, so a window may name its parts before they are built.
template <class Object, class Class>
FormHandler HandlerOf(Object object, void (Class::*handler)()) {
    return NotifyHandler([object, handler] { (object()->*handler)(); });
}
template <class Object, class Class>
FormHandler HandlerOf(Object object, void (Class::*handler)(int&, Qt::KeyboardModifiers)) {
    return KeyDownHandler([object, handler](int& key, Qt::KeyboardModifiers shift) {
        (object()->*handler)(key, shift);
    });
}
template <class Object, class Class>
FormHandler HandlerOf(Object object, void (Class::*handler)(QChar&)) {
    return KeyPressHandler([object, handler](QChar& key) { (object()->*handler)(key); });
}

// One row of a window class's table: a handler name and what it runs, a member function of the
// window, of one of the window's parts (a member object), or of a part with a fixed argument.
template <class Form> struct Binding {
    template <class Handler>
    Binding(const char* handlerName, Handler handler)
        : name(handlerName), make([handler](Form* form) -> FormHandler {
              return HandlerOf([form] { return form; }, handler);
          }) {}
    template <class Part, class Handler>
    Binding(const char* handlerName, Part Form::*part, Handler handler)
        : name(handlerName), make([part, handler](Form* form) -> FormHandler {
              return HandlerOf([form, part] { return &(form->*part); }, handler);
          }) {}
    template <class Part, class Class, class Argument>
    Binding(const char* handlerName, Part Form::*part, void (Class::*handler)(Argument),
            Argument argument)
        : name(handlerName), make([part, handler, argument](Form* form) -> FormHandler {
              return NotifyHandler(
                  [form, part, handler, argument] { ((form->*part).*handler)(argument); });
          }) {}

    const char* name;
    std::function<FormHandler(Form*)> make;
};

// The table of a window: Bind(this, {{"Image1Click", &TForm2::Image1Click}, ...}). A part's
// handler: {"ListBox1Click", &TForm1::titles_, &TitleList::ListClick}.
template <class Form> FormHandlers Bind(Form* form, std::initializer_list<Binding<Form>> bindings) {
    FormHandlers handlers;
    for (const Binding<Form>& binding : bindings)
        handlers.emplace(QString::fromLatin1(binding.name), binding.make(form));
    return handlers;
}
