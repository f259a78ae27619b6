# Pictures: the picture objects, their holder, the file formats and the image widget.
target_sources(vendral_chrome PRIVATE
    bitmap.cpp bitmap.h
    bmpformat.cpp bmpformat.h
    embeddedpicture.cpp embeddedpicture.h
    fileextension.cpp fileextension.h
    fileformats.cpp fileformats.h
    icoformat.cpp icoformat.h
    icon.cpp icon.h
    jpegencoder.cpp jpegencoder.h
    jpegerrors.cpp jpegerrors.h
    jpegimage.cpp jpegimage.h
    jpegreader.cpp jpegreader.h
    metafile.cpp metafile.h
    metafileformat.cpp metafileformat.h
    olegraphic.h
    picture.cpp picture.h
    picturebounds.cpp picturebounds.h
    rastergraphic.cpp rastergraphic.h
    sharedpictures.cpp sharedpictures.h
    tgraphic.cpp tgraphic.h
    timage.cpp timage.h
)
