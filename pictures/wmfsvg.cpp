#include "pictures/metafilesvg.h"

#include <vector>

#include <libwmf/api.h>
#include <libwmf/svg.h>

namespace {

// One libwmf session; its memory, the SVG text included, goes with it.
class WmfSession {
public:
    WmfSession() {
        wmfAPI_Options options{};
        options.function = wmf_svg_function;
        // Quiet: a rejected file is reported by the caller, not on the terminal.
        const unsigned long flags =
            WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None) {
            if (api_ != nullptr)
                wmf_api_destroy(api_);
            api_ = nullptr;
        }
    }
    ~WmfSession() {
        if (api_ == nullptr)
            return;
        if (open_)
            wmf_mem_close(api_);
        wmf_api_destroy(api_);
    }
    WmfSession(const WmfSession&) = delete;
    WmfSession& operator=(const WmfSession&) = delete;

    std::optional<MetafileSvg> Convert(std::vector<unsigned char>& bytes) {
        if (api_ == nullptr ||
            wmf_mem_open(api_, bytes.data(), static_cast<long>(bytes.size())) != wmf_E_None)
            return std::nullopt;
        open_ = true;
        wmfD_Rect box;
        if (wmf_scan(api_, 0, &box) != wmf_E_None)
            return std::nullopt;
        float width = 0;
        float height = 0;
        unsigned int displayWidth = 0;
        unsigned int displayHeight = 0;
        if (wmf_size(api_, &width, &height) != wmf_E_None ||
            wmf_display_size(api_, &displayWidth, &displayHeight, 96, 96) != wmf_E_None)
            return std::nullopt;

        wmf_svg_t* device = WMF_SVG_GetData(api_);
        device->bbox = box;
        device->width = displayWidth;
        device->height = displayHeight;
        device->flags |= WMF_SVG_INLINE_IMAGES;
        device->out = wmf_stream_create(api_, nullptr); // nullptr: into memory
        if (device->out == nullptr)
            return std::nullopt;
        const wmf_error_t played = wmf_play(api_, 0, &box);
        char* text = nullptr;
        unsigned long length = 0;
        wmf_stream_destroy(api_, device->out, &text, &length);
        device->out = nullptr;
        if (played != wmf_E_None || text == nullptr || length == 0)
            return std::nullopt;
        MetafileSvg result;
        result.svg = QByteArray(text, static_cast<qsizetype>(length));
        result.logicalSize = QSizeF(width, height);
        return result;
    }

private:
    wmfAPI* api_ = nullptr;
    bool open_ = false;
};

} // namespace

std::optional<MetafileSvg> WmfToSvg(std::span<const std::uint8_t> file) {
    std::vector<unsigned char> bytes(file.begin(), file.end());
    WmfSession session;
    return session.Convert(bytes);
}
