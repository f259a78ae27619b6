#pragma once
// The fixed set of eight windows, created hidden in order at start-up and released at exit.

#include <memory>

class TForm;

class WindowSet {
public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

private:
    std::unique_ptr<TForm> forms_[8];
};
