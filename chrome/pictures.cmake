# Pictures: the picture objects, their holder, the file formats and the image widget.
target_sources(vendral_chrome PRIVATE
    jpegencoder.cpp jpegencoder.h
)
