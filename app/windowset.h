#pragma once
// The program's windows, created hidden in the window table's order at start-up and released
// at exit in the reverse order.

#include <memory>
#include <vector>

class TForm;

class WindowSet {
public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

private:
    std::vector<std::unique_ptr<TForm>> forms_;
};
