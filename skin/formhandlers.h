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

// One row of a window class's table: a handler name and the member function it runs.
template <class Form> struct Binding {
    Binding(const char* handlerName, void (Form::*handler)())
        : name(handlerName), make([handler](Form* form) -> FormHandler {
              return NotifyHandler([form, handler] { (form->*handler)(); });
          }) {}
    Binding(const char* handlerName, void (Form::*handler)(int&, Qt::KeyboardModifiers))
        : name(handlerName), make([handler](Form* form) -> FormHandler {
              return KeyDownHandler([form, handler](int& key, Qt::KeyboardModifiers shift) {
                  (form->*handler)(key, shift);
              });
          }) {}
    Binding(const char* handlerName, void (Form::*handler)(QChar&))
        : name(handlerName), make([handler](Form* form) -> FormHandler {
              return KeyPressHandler([form, handler](QChar& key) { (form->*handler)(key); });
          }) {}

    const char* name;
    std::function<FormHandler(Form*)> make;
};

// The table of a window: Bind(this, {{"Image1Click", &TForm2::Image1Click}, ...}).
template <class Form> FormHandlers Bind(Form* form, std::initializer_list<Binding<Form>> bindings) {
    FormHandlers handlers;
    for (const Binding<Form>& binding : bindings)
        handlers.emplace(QString::fromLatin1(binding.name), binding.make(form));
    return handlers;
}
