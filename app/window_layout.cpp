#include "app/window_layout.h"

#include <algorithm>
#include <map>

namespace corvander {

namespace {

// The least room left between two rows, and between a frame's last row and its lower border.
constexpr int kMinimumGap = 2;
constexpr int kMinimumFrameBottom = 4;

} // namespace

WindowLayout::WindowLayout(QSize drawnClient, std::vector<LayoutItem> items, int growing,
                           int growingFloor)
    : m_drawnClient(drawnClient), m_items(std::move(items)), m_growing(growing),
      m_growingFloor(growingFloor) {
    std::map<int, std::vector<int>> members;
    for (int i = 0; i < int(m_items.size()); ++i)
        members[m_items[i].container].push_back(i);
    for (auto& [container, indices] : members) {
        std::sort(indices.begin(), indices.end(),
                  [this](int a, int b) { return m_items[a].drawn.top() < m_items[b].drawn.top(); });
        // Items whose heights overlap or touch form one row, which moves as a whole.
        std::vector<Band> bands;
        for (const int index : indices) {
            const QRect& drawn = m_items[index].drawn;
            if (!bands.empty() && drawn.top() <= bands.back().bottom) {
                bands.back().bottom = std::max(bands.back().bottom, drawn.top() + drawn.height());
                bands.back().members.push_back(index);
            } else {
                bands.push_back({container, drawn.top(), drawn.top() + drawn.height(), {index}});
            }
        }
        const bool frame = container >= 0;
        int above = 0;
        for (std::size_t b = 0; b <= bands.size(); ++b) {
            const int below = b < bands.size() ? bands[b].top : drawnHeightOf(container);
            const int size = below - above;
            int minimum = kMinimumGap;
            if (frame && b == 0)
                minimum = size; // the frame's title
            else if (frame && b == bands.size())
                minimum = kMinimumFrameBottom;
            m_gaps.push_back({container, size, std::max(0, size - minimum)});
            m_spare += m_gaps.back().spare;
            if (b < bands.size())
                above = bands[b].bottom;
        }
        m_bands.insert(m_bands.end(), bands.begin(), bands.end());
    }
}

int WindowLayout::drawnHeightOf(int container) const {
    return container < 0 ? m_drawnClient.height() : m_items[container].drawn.height();
}

int WindowLayout::drawnWidthOf(int container) const {
    return container < 0 ? m_drawnClient.width() : m_items[container].drawn.width();
}

int WindowLayout::compactHeight() const {
    const int growingGives = m_items[m_growing].drawn.height() - m_growingFloor;
    return m_drawnClient.height() - growingGives - m_spare;
}

// Shares out the reduction in proportion to each gap's spare room, whole pixels by the largest
// remainder, so that the gaps give exactly the total.
std::vector<int> WindowLayout::gapReductions(int total) const {
    std::vector<int> reductions(m_gaps.size(), 0);
    if (total <= 0 || m_spare == 0)
        return reductions;
    total = std::min(total, m_spare);
    std::vector<std::pair<long, std::size_t>> remainders;
    int given = 0;
    for (std::size_t g = 0; g < m_gaps.size(); ++g) {
        const long share = long(total) * m_gaps[g].spare;
        reductions[g] = int(share / m_spare);
        given += reductions[g];
        remainders.push_back({share % m_spare, g});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t r = 0; given < total && r < remainders.size(); ++r, ++given)
        ++reductions[remainders[r].second];
    return reductions;
}

std::vector<QRect> WindowLayout::arrange(QSize client) const {
    // Height: the growing item first, then the gaps.
    const int drawnGrowing = m_items[m_growing].drawn.height();
    int growingHeight = drawnGrowing + client.height() - m_drawnClient.height();
    int squeeze = 0;
    if (growingHeight < m_growingFloor) {
        squeeze = m_growingFloor - growingHeight;
        growingHeight = m_growingFloor - std::max(0, squeeze - m_spare);
        growingHeight = std::max(0, growingHeight);
    }
    const std::vector<int> reductions = gapReductions(squeeze);

    std::vector<int> heights(m_items.size());
    for (std::size_t i = 0; i < m_items.size(); ++i)
        heights[i] = m_items[i].drawn.height();
    heights[m_growing] = growingHeight;
    for (std::size_t g = 0; g < m_gaps.size(); ++g) {
        if (m_gaps[g].container >= 0)
            heights[m_gaps[g].container] -= reductions[g];
    }

    // Rows top to bottom in each container; the bands and gaps are stored container by container.
    std::vector<int> tops(m_items.size());
    std::size_t gap = 0;
    int y = 0;
    for (std::size_t b = 0; b < m_bands.size(); ++b) {
        const Band& band = m_bands[b];
        if (b == 0 || m_bands[b - 1].container != band.container)
            y = 0;
        y += m_gaps[gap].size - reductions[gap];
        ++gap;
        int bottom = y;
        for (const int member : band.members) {
            tops[member] = y + m_items[member].drawn.top() - band.top;
            bottom = std::max(bottom, tops[member] + heights[member]);
        }
        y = bottom;
        if (b + 1 == m_bands.size() || m_bands[b + 1].container != band.container)
            ++gap; // the one below the container's last row
    }

    // Width: a container's extra width passes on to what it holds.
    std::vector<QRect> places(m_items.size());
    std::vector<bool> placed(m_items.size(), false);
    std::size_t done = 0;
    while (done < m_items.size()) {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            const LayoutItem& item = m_items[i];
            if (placed[i] || (item.container >= 0 && !placed[item.container]))
                continue;
            const int width = item.container < 0 ? client.width() : places[item.container].width();
            const int extra = width - drawnWidthOf(item.container);
            const int half = extra / 2;
            int left = item.drawn.left();
            int itemWidth = item.drawn.width();
            switch (item.across) {
            case Across::Keep:
                break;
            case Across::Stretch:
                itemWidth += extra;
                break;
            case Across::FollowRight:
                left += extra;
                break;
            case Across::LeftHalf:
                itemWidth += half;
                break;
            case Across::RightHalf:
                left += half;
                itemWidth += extra - half;
                break;
            }
            places[i] = QRect(left, tops[i], itemWidth, heights[i]);
            placed[i] = true;
            ++done;
        }
    }
    return places;
}

std::vector<QRect> placeSideBySide(const std::vector<int>& drawnWidths, std::size_t widening,
                                   QSize client) {
    int extra = client.width();
    for (const int width : drawnWidths)
        extra -= width;
    std::vector<QRect> places;
    int left = 0;
    for (std::size_t a = 0; a < drawnWidths.size(); ++a) {
        const int width = drawnWidths[a] + (a == widening ? extra : 0);
        places.emplace_back(left, 0, width, client.height());
        left += width;
    }
    return places;
}

} // namespace corvander
