#pragma once
// The picture formats by file extension: one process-wide list, walked from the last entry, so
// a later entry wins over an earlier one with the same extension.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TGraphic;

using GraphicFactory = std::unique_ptr<TGraphic> (*)();

struct TFileFormat {
    std::string extension; // lower case, without the dot; "" for the no-extension entry
    std::string description;
    const char* className;
    GraphicFactory create;
};

class TFileFormatsList {
public:
    void Add(std::string extension, std::string description, const char* className,
             GraphicFactory create);
    // The last entry whose extension equals lowerExtension (compared as bytes), or null.
    const TFileFormat* Find(std::string_view lowerExtension) const;
    // In registration order; the save dialog builds its filter from them.
    const std::vector<TFileFormat>& Entries() const { return entries_; }

private:
    std::vector<TFileFormat> entries_;
};

// The program's list: wmf, emf, ico, bmp, jpeg, jpg and the empty extension, in that order.
const TFileFormatsList& FileFormats();
