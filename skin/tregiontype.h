#pragma once
// The holder of a skinned window's shape. It holds the region (none when the window is
// rectangular) and knows the control that uses it.

#include <QRegion>
#include <optional>

class TCoolForm;

class TRegionType {
public:
    explicit TRegionType(TCoolForm* owner = nullptr) : owner_(owner) {}

    const std::optional<QRegion>& Region() const { return region_; }
    void SetRegion(std::optional<QRegion> region) { region_ = std::move(region); }

    TCoolForm* Owner() const { return owner_; }
    void SetOwner(TCoolForm* owner) { owner_ = owner; }

private:
    std::optional<QRegion> region_;
    TCoolForm* owner_;
};
