#include "viewstate.h"

ViewState& View() {
    static ViewState state;
    return state;
}
