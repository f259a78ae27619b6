#pragma once
// The skin: windows built from their descriptions, and what the rest of the program uses of it.
//
//   TForm              a window of the program: built from its description, placed, shown
//                      modally, closed by its own painted buttons
//   FormDescription    a window description as read from forms/<class>.json
//   BuildForm          makes a window's controls from its description and binds its handlers
//   Bind, FormHandlers a window class's table of handlers by name
//   TCoolForm          the skinned window's background, shape and drag
//   TLabel, TEdit,     the controls the descriptions name
//   TListBox, TButton,
//   TTimer
//   TImage             the image widget: draws its picture and takes the clicks on it
//   SetReportOrder     the order in which image widgets report decoding errors
//   RepaintWhenReady   repaints a widget the moment its picture's decode is done
//   FontFromDescription, ApplyTextStyle   fonts and colours of the descriptions
//   FaceForText, DrawEmboldened           bold lettering that stays in one family
//   LoadOwnPage, LoadOwnBackground, LoadOwnBackgroundPart
//                      a catalogue folder's own pages (pages/) in place of the built-in
//                      pictures, for the windows below and above the main window alike
//
// Inside, not for other folders: the region bytes, the hexadecimal notation, the caption
// rule, the shape holder, the stored form of the skinned window's entry and the click areas'
// accessibility.

#include "skin/boldface.h"
#include "skin/decodewatch.h"
#include "skin/formbuilder.h"
#include "skin/formdescription.h"
#include "skin/formhandlers.h"
#include "skin/formstyle.h"
#include "skin/orderedreports.h"
#include "skin/ownpages.h"
#include "skin/tbutton.h"
#include "skin/tcoolform.h"
#include "skin/tedit.h"
#include "skin/tform.h"
#include "skin/timage.h"
#include "skin/tlabel.h"
#include "skin/tlistbox.h"
#include "skin/ttimer.h"
