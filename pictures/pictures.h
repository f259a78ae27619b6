#pragma once
// The pictures: what the rest of the program uses of them.
//
//   TGraphic      a picture object of one class, loaded from a file or bytes, drawn scaled
//   TPicture      the holder of at most one picture object; picks the class by extension
//   TJPEGImage    JPEG through libjpeg, decoded when first drawn, or before on the decode
//                 pool once its widget says the size it draws at (scaled down for thumbnails);
//                 an embedded colour profile is honoured (colour/colour.h)
//   TBitmap       BMP files
//   TIcon         ICO files
//   TMetafile     WMF and EMF files, drawn through libemf2svg / libwmf and Qt SVG, for a
//                 window on the decode pool
//   FileFormats   the process-wide list of formats by extension (the save dialog's filter)
//   EncodeJpeg    writes an image as a JPEG file (tests, benchmarks and the artwork generator)
//   UseScreenProfile  the X screen's colour profile, read once at start-up
//   DecodeAhead   decodes JPEG files expected next on a low-priority pool, at the size they
//                 will be drawn, into a store the pictures showing them take the bitmaps from
//   EncodeBmp24   writes one as a 24-bit BMP file (the artwork's backgrounds, a catalogue's own
//                 backgrounds made bitmaps for their skins)
//
//
// Inside, not for other folders: the BMP, ICO and metafile readers, the libjpeg reader and its
// error handling, the bounds on size and work, the decode pools, the scale rule, the decodes
// shared by identical files and the store of decodes made ahead, the main area's part and its
// thumbnail decoded from one reading of the file, the embedded picture form and the extension
// rule.

#include "pictures/bitmap.h"
#include "pictures/bmpencoder.h"
#include "pictures/fileformats.h"
#include "pictures/icon.h"
#include "pictures/jpegahead.h"
#include "pictures/jpegencoder.h"
#include "pictures/jpegimage.h"
#include "pictures/metafile.h"
#include "pictures/picture.h"
#include "pictures/screenprofile.h"
#include "pictures/tgraphic.h"
