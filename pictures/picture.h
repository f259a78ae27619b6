#pragma once
// The picture holder of an image widget: at most one picture object, replaced only by a load,
// an embedded read or a copy that succeeded.

#include "pictures/tgraphic.h"

#include <functional>
#include <memory>
#include <span>

class TPicture {
public:
    TPicture();
    ~TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // Runs whenever the picture object is replaced: the widget redraws.
    std::function<void()> OnChange;

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const; // 0 when empty
    int Height() const;

    // Picks the class by the name's extension. Raises EInvalidGraphic "Unknown picture file
    // extension (.%s)" without opening the file, or the class's own load error; on any error
    // the previous picture stays. nameEncoding: what the name's bytes are, for the messages
    // (catalogue names are code page 1250; paths under the start folder are the system's).
    void LoadFromFile(const std::string& fileName,
                      TextEncoding nameEncoding = TextEncoding::Cp1250);
    // The same class with the same content, a copy of its own; empty when source is empty.
    void Assign(const TPicture& source);

    // The embedded form; an empty span makes the holder empty. Raises EInvalidGraphic for
    // malformed data or a class the program does not know.
    void ReadEmbedded(std::span<const std::uint8_t> data);
    // Empty when the holder is empty.
    std::vector<std::uint8_t> WriteEmbedded() const;

private:
    std::unique_ptr<TGraphic> graphic_;
};
