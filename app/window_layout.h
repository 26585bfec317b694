#pragma once

#include <QRect>
#include <QSize>
#include <vector>

namespace corvander {

// How an item follows its container's width when that differs from the drawn width.
enum class Across {
    Keep,        // same place and width
    Stretch,     // same left edge, takes the extra width
    FollowRight, // same width, keeps its distance to the right edge
    LeftHalf,    // left of a pair side by side: takes half the extra width
    RightHalf,   // right of the pair: moves by half and takes the other half
};

struct LayoutItem {
    QRect drawn; // in its container, at the drawn size
    Across across = Across::Keep;
    int container = -1; // index of the item that holds it; -1 for the client area itself
};

// The window's layout as it was drawn, fitted to other client sizes. Wider: every item follows
// its anchor. Taller: the growing item (the file list) takes the extra height and everything below
// it moves down. Lower: the growing item gives height first, down to its floor; then the gaps
// between the rows of every container give the rest, each in proportion to what it can spare, and
// a frame shrinks with the gaps inside it. The gap that holds a frame's title never shrinks.
class WindowLayout {
public:
    WindowLayout(QSize drawnClient, std::vector<LayoutItem> items, int growing, int growingFloor);

    QSize drawnSize() const { return m_drawnClient; }
    // The lowest client height at which nothing is squeezed beyond its minimum.
    int compactHeight() const;
    // Each item's place in its container (the client area's items relative to its top-left).
    std::vector<QRect> arrange(QSize client) const;

private:
    struct Gap {
        int container;
        int size;
        int spare; // what it can give
    };
    struct Band {
        int container;
        int top;
        int bottom;
        std::vector<int> members;
    };

    std::vector<int> gapReductions(int total) const;
    int drawnHeightOf(int container) const;
    int drawnWidthOf(int container) const;

    QSize m_drawnClient;
    std::vector<LayoutItem> m_items;
    int m_growing;
    int m_growingFloor;
    std::vector<Band> m_bands; // per container, top to bottom
    std::vector<Gap> m_gaps;   // per container, top to bottom: one before each band and one after
    int m_spare = 0;
};

// Areas side by side, left to right, in a client area of the given size: each keeps its drawn
// width but the widening one, which takes what the client has more (or less) than their sum; each
// is as high as the client.
std::vector<QRect> placeSideBySide(const std::vector<int>& drawnWidths, std::size_t widening,
                                   QSize client);

} // namespace corvander
