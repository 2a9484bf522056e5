// Median cut over the picture's distinct colours, weighted by how often each appears.
#include "Palette.h"

#include <algorithm>
#include <map>

namespace {

struct Weighted {
    Pixel colour;
    int count;
};

int Channel(Pixel p, int channel) {
    return channel == 0 ? PixelRed(p) : (channel == 1 ? PixelGreen(p) : PixelBlue(p));
}

struct Box {
    std::vector<Weighted> colours;

    // The channel with the widest spread and that spread.
    std::pair<int, int> WidestChannel() const {
        int bestChannel = 0;
        int bestRange = -1;
        for (int channel = 0; channel < 3; ++channel) {
            int low = 255;
            int high = 0;
            for (const Weighted& w : colours) {
                low = std::min(low, Channel(w.colour, channel));
                high = std::max(high, Channel(w.colour, channel));
            }
            if (high - low > bestRange) {
                bestRange = high - low;
                bestChannel = channel;
            }
        }
        return {bestChannel, bestRange};
    }

    Pixel Average() const {
        long long r = 0, g = 0, b = 0, n = 0;
        for (const Weighted& w : colours) {
            r += (long long)PixelRed(w.colour) * w.count;
            g += (long long)PixelGreen(w.colour) * w.count;
            b += (long long)PixelBlue(w.colour) * w.count;
            n += w.count;
        }
        const Pixel average =
            MakePixel(uint8_t((r + n / 2) / n), uint8_t((g + n / 2) / n), uint8_t((b + n / 2) / n));
        return average == 0 ? MakePixel(1, 1, 1) : average;
    }
};

std::vector<Box> MedianCut(std::vector<Weighted> colours, size_t boxCount) {
    std::vector<Box> boxes{{std::move(colours)}};
    while (boxes.size() < boxCount) {
        size_t widest = boxes.size();
        int widestRange = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2) {
                continue;
            }
            const int range = boxes[i].WidestChannel().second;
            if (widest == boxes.size() || range > widestRange) {
                widest = i;
                widestRange = range;
            }
        }
        if (widest == boxes.size()) {
            break;
        }
        Box& box = boxes[widest];
        const int channel = box.WidestChannel().first;
        std::sort(box.colours.begin(), box.colours.end(),
                  [channel](const Weighted& a, const Weighted& b) {
                      const int ca = Channel(a.colour, channel);
                      const int cb = Channel(b.colour, channel);
                      return ca != cb ? ca < cb : a.colour < b.colour;
                  });
        long long total = 0;
        for (const Weighted& w : box.colours) {
            total += w.count;
        }
        // Split where half the weight lies on each side, keeping both halves non-empty.
        size_t split = 1;
        long long running = box.colours[0].count;
        while (split + 1 < box.colours.size() && running * 2 < total) {
            running += box.colours[split].count;
            ++split;
        }
        Box upper{{box.colours.begin() + std::ptrdiff_t(split), box.colours.end()}};
        box.colours.resize(split);
        boxes.push_back(std::move(upper));
    }
    return boxes;
}

int DistanceSquared(Pixel a, Pixel b) {
    const int dr = int(PixelRed(a)) - int(PixelRed(b));
    const int dg = int(PixelGreen(a)) - int(PixelGreen(b));
    const int db = int(PixelBlue(a)) - int(PixelBlue(b));
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

}  // namespace

IndexedImage ToIndexed(const Surface& picture, int maxColours) {
    std::map<Pixel, int> counts;
    for (Pixel p : picture.Pixels()) {
        if (p != 0) {
            ++counts[p];
        }
    }
    IndexedImage image{picture.Width(), picture.Height(), {0}, {}};
    const size_t room = size_t(std::clamp(maxColours, 2, 256) - 1);
    if (counts.size() <= room) {
        for (const auto& [colour, count] : counts) {
            image.palette.push_back(colour);
        }
    } else {
        std::vector<Weighted> colours;
        for (const auto& [colour, count] : counts) {
            colours.push_back({colour, count});
        }
        for (const Box& box : MedianCut(std::move(colours), room)) {
            image.palette.push_back(box.Average());
        }
    }
    std::map<Pixel, uint8_t> nearest;
    for (const auto& [colour, count] : counts) {
        size_t best = 1;
        for (size_t i = 2; i < image.palette.size(); ++i) {
            if (DistanceSquared(colour, image.palette[i]) <
                DistanceSquared(colour, image.palette[best])) {
                best = i;
            }
        }
        nearest[colour] = uint8_t(best);
    }
    for (Pixel p : picture.Pixels()) {
        image.indices.push_back(p == 0 ? 0 : nearest[p]);
    }
    return image;
}

Surface FromIndexed(const IndexedImage& image) {
    Surface picture(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            picture.Set(x, y,
                        image.palette[image.indices[size_t(y) * size_t(image.width) + size_t(x)]]);
        }
    }
    return picture;
}

Surface LimitColours(const Surface& picture, int maxColours) {
    return FromIndexed(ToIndexed(picture, maxColours));
}
