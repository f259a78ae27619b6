#pragma once
// The secondary windows, each shown modally over the main window and closed by its own area.
//
//   TForm2   no hits          TForm3   the description of the selected entry
//   TForm5   print question   TForm6   splash
//   TForm7   about            TForm8   the two-page introduction

#include "windows/tform2.h"
#include "windows/tform3.h"
#include "windows/tform5.h"
#include "windows/tform6.h"
#include "windows/tform7.h"
#include "windows/tform8.h"
