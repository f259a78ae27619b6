#pragma once
// The colours of one JPEG decode: the profile the file embeds, read once libjpeg has the
// headers, and what turns the decoded rows into the output space (colour/colour.h). Runs on
// whichever thread decodes, the decode pool's for every picture shown.

#include "colour/colour.h"
#include "pictures/jpegerrors.h"

// After jpeg_read_header, the APP2 chunks kept (KeepJpegIccChunks). grayscale: the picture is
// decoded to grey.
PictureColour JpegColour(jpeg_decompress_struct* info, bool grayscale, OutputSpace space);
