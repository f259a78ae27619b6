#include "pictures/sharedpictures.h"

#include "pictures/bytesregistry.h"

std::shared_ptr<PictureData> SharedPictureData(std::string_view className,
                                               std::vector<std::uint8_t> bytes) {
    static BytesRegistry<PictureData> registry;
    return registry.FindOrMake(className, std::move(bytes), [](std::vector<std::uint8_t> data) {
        return std::make_shared<PictureData>(std::move(data));
    });
}
