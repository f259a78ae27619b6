// The picture data embedded in window descriptions: class name, byte count, the class's file.
// A holder either takes a picture or raises one of the program's own errors and stays empty.

#include "core/errors.h"
#include "pictures/metafilesandbox.h"
#include "pictures/picture.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SetMetafileSandbox(false); // metafiles converted in this process, under the sanitizers
    TPicture holder;
    try {
        holder.ReadEmbedded(std::span<const std::uint8_t>(data, size));
    } catch (const Exception&) {
        if (holder.Graphic() != nullptr)
            std::abort();
        return 0;
    }
    // What was read is written back unchanged: the class and its file's bytes (the class of
    // names without an extension keeps no bytes).
    const TGraphic* graphic = holder.Graphic();
    if (graphic != nullptr && std::string_view(graphic->ClassName()) != "TOleGraphic" &&
        holder.WriteEmbedded() != std::vector<std::uint8_t>(data, data + size))
        std::abort();
    return 0;
}
