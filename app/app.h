#pragma once
// The program: the window table (each window's number, class and factory) and the window set
// built from it, which fills every window's context. main() lives here too.

#include "app/windowset.h"
#include "app/windowtable.h"
