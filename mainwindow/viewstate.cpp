#include "mainwindow/viewstate.h"

ViewState& View() {
    static ViewState state;
    return state;
}
