#include "skin/orderedreports.h"

#include "shell/errorreport.h"
#include "skin/timage.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct Ordered {
    const TImage* image;
    int order;
};

struct Held {
    int order;
    std::exception_ptr error;
};

std::vector<Ordered>& Order() {
    static std::vector<Ordered> order;
    return order;
}

std::vector<Held>& HeldBack() {
    static std::vector<Held> held;
    return held;
}

// A widget before order still has to paint a picture whose decode it asked for.
bool EarlierUnshown(int order) {
    return std::any_of(Order().begin(), Order().end(), [order](const Ordered& entry) {
        return entry.order < order && entry.image->DecodeUnshown();
    });
}

} // namespace

void SetReportOrder(TImage* image, int order) {
    std::vector<Ordered>& all = Order();
    all.erase(std::remove_if(all.begin(), all.end(),
                             [image](const Ordered& entry) { return entry.image == image; }),
              all.end());
    if (order > 0)
        all.push_back({image, order});
    ReleaseOrderedReports();
}

int ReportOrder(const TImage* image) {
    for (const Ordered& entry : Order()) {
        if (entry.image == image)
            return entry.order;
    }
    return 0;
}

void ReportInOrder(const TImage* image, std::exception_ptr error) {
    const int order = ReportOrder(image);
    if (order == 0) {
        ReportLater(std::move(error));
        return;
    }
    HeldBack().push_back({order, std::move(error)});
    ReleaseOrderedReports();
}

void ReleaseOrderedReports() {
    std::vector<Held>& held = HeldBack();
    std::stable_sort(held.begin(), held.end(),
                     [](const Held& a, const Held& b) { return a.order < b.order; });
    while (!held.empty() && !EarlierUnshown(held.front().order)) {
        ReportLater(held.front().error);
        held.erase(held.begin());
    }
}
