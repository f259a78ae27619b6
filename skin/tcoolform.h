#pragma once
// The skin of a borderless window: covers the window's client area with the background
// picture, makes the window borderless, gives it its stored shape (Mask2) and moves it when
// the background is dragged with the left button.

#include "pictures/pictures.h"
#include "skin/timage.h"
#include "skin/tregiontype.h"

#include <QPoint>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TCoolForm : public TImage {
    Q_OBJECT
public:
    explicit TCoolForm(QWidget* parent = nullptr);
    ~TCoolForm() override;

    TRegionType& Mask() { return *mask_; }
    const TRegionType& Mask() const { return *mask_; }
    // A holder replaces the current one and is owned from then on; null is ignored.
    void SetMask(std::unique_ptr<TRegionType> holder);

    // Stored, and true by default; the drag does not consult it.
    bool Draggable() const { return draggable_; }
    void SetDraggable(bool draggable) { draggable_ = draggable; }

    // The skin always sits at the client origin: left and top store 0 whatever they are given.
    int Left() const { return x(); }
    int Top() const { return y(); }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    // The stored shape value: a 32-bit count and that many bytes of region data. Bytes that
    // are no usable region leave the window as it is, without a report.
    void ReadMask2(std::span<const uint8_t> value);
    std::vector<uint8_t> WriteMask2() const;
    // The region bytes last read, and their count as stored.
    const std::vector<uint8_t>& MaskData() const { return maskData_; }
    uint32_t MaskSize() const { return maskSize_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void StartDrag(QMouseEvent* event);
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void PictureChanged() override;

private:
    void ParentChanged();
    void FillParent();

    std::unique_ptr<TRegionType> mask_;
    std::vector<uint8_t> maskData_;
    uint32_t maskSize_ = 0;
    bool draggable_ = true;

    QWidget* watchedParent_ = nullptr;
    // Our own move, where the window system has none to offer.
    bool dragging_ = false;
    QPoint dragStartGlobal_;
    QPoint dragStartPosition_;
};
