#pragma once
// A picture object: one of the picture classes, loaded from a file or from bytes, drawn into a
// rectangle. A holder (TPicture) owns at most one.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QRect>

#include "core/errors.h"

class QPainter;
class QRect;

class TGraphic {
public:
    virtual ~TGraphic();

    virtual const char* ClassName() const = 0; // "TJPEGImage", "TBitmap", ...
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Reads the whole file, then loads its bytes. A file that cannot be read, or is no regular
    // file, raises EFOpenError "Cannot open file %s" with the name exactly as passed in (its
    // bytes in nameEncoding); a file or a claimed size past the bounds (picturebounds.h) raises
    // an error naming the file. A failed load leaves the object as it was.
    virtual void LoadFromFile(const std::string& fileName,
                              TextEncoding nameEncoding = TextEncoding::Cp1250);
    virtual void LoadFromBytes(std::vector<std::uint8_t> bytes) = 0;
    // The bytes of a complete file of the class (what was loaded, unchanged).
    virtual std::vector<std::uint8_t> SaveToBytes() const = 0;

    // Says the picture will be drawn into a rectangle of this size, of which visible (in the
    // rectangle's coordinates; empty: all of it) shows, so it may get ready now: a JPEG starts
    // decoding on the decode pool, scaled down when the target is smaller, only the visible
    // part when drawn at its own size. Others have nothing to do.
    virtual void PrepareDrawing(QSize target, QRect visible = {});
    // Draws into target (scaled to it, nearest neighbour). A JPEG decodes at its first drawing
    // and may raise EJPEG then, after drawing what it could decode.
    virtual void Draw(QPainter& painter, const QRect& target) = 0;
    // Draw for a window that must not wait: a picture whose background decode is not done within
    // wait draws nothing and returns false (call again once DrawReady() says so). Others draw
    // as Draw does and return true.
    virtual bool DrawWithin(QPainter& painter, const QRect& target, std::chrono::milliseconds wait);
    // Whether a drawing now would find everything it needs, without waiting.
    virtual bool DrawReady() const { return true; }
    // Whether the picture still has to be drawn once to show its background decode (or to
    // report its decoding error).
    virtual bool DecodeUnshown() const { return false; }
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // The drawable pixels, decoding first if needed; a null image when there are none.
    virtual QImage ToImage() = 0;
    // The same for a copy that must be complete (the printed page): a decoding failure is
    // raised every time, not only at the first drawing.
    virtual QImage CompleteImage() { return ToImage(); }
    // The complete pixels in sRGB, for paper: what the screen shows unless it has a profile of
    // its own, in which case a JPEG is decoded once more, for sRGB (the same scale and part,
    // at ImageOffset()).
    virtual QImage SrgbImage() { return CompleteImage(); }
    // Where ToImage's pixels lie in the picture when drawing was prepared for a visible part
    // only, and they hold just that part (a JPEG, a metafile or a bitmap at its own size).
    virtual QPoint ImageOffset() const { return {}; }

protected:
    TGraphic() = default;
    TGraphic(const TGraphic&) = default;
    TGraphic& operator=(const TGraphic&) = default;

    static std::vector<std::uint8_t> ReadPictureFile(const std::string& fileName,
                                                     TextEncoding nameEncoding);
};

// Called on a decode worker each time it finishes a job, so that the window's side can look
// again at the pictures whose DrawReady() was false (nullptr: nobody is told). A plain
// function, since the workers never touch the toolkit.
void SetDecodeFinishedHook(void (*hook)());
