// Contact sheet layout: enlarged pictures flowing in rows, then the playfield preview.
#include "ContactSheet.h"

#include <algorithm>

namespace {

constexpr int kEnlargement = 3;
constexpr int kGap = 6;
constexpr int kSheetWidth = 1200;
constexpr Pixel kCheckLight = 0x8c8c8c;
constexpr Pixel kCheckDark = 0x6e6e6e;
constexpr Pixel kSheetBackground = 0x3c3c3c;

struct Placement {
    const Surface* picture;
    int x;
    int y;
};

// Draws picture enlarged at (left, top), its black pixels showing the checkerboard.
void PutEnlarged(Surface& sheet, const Surface& picture, int left, int top, int factor) {
    for (int y = 0; y < picture.Height() * factor; ++y) {
        for (int x = 0; x < picture.Width() * factor; ++x) {
            const Pixel p = picture.At(x / factor, y / factor);
            const bool light = ((x / 8) + (y / 8)) % 2 == 0;
            sheet.Set(left + x, top + y, p != 0 ? p : (light ? kCheckLight : kCheckDark));
        }
    }
}

void PutTransparent(Surface& target, const Surface& sprite, int left, int top) {
    for (int y = 0; y < sprite.Height(); ++y) {
        for (int x = 0; x < sprite.Width(); ++x) {
            const int tx = left + x;
            const int ty = top + y;
            if (sprite.At(x, y) != 0 && tx >= 0 && ty >= 0 && tx < target.Width() &&
                ty < target.Height()) {
                target.Set(tx, ty, sprite.At(x, y));
            }
        }
    }
}

const Surface* Find(const std::vector<ArtFile>& art, const std::string& name) {
    for (const ArtFile& file : art) {
        if (file.name == name) {
            return &file.picture;
        }
    }
    return nullptr;
}

// A 288-wide stretch of playfield: the background tiled, every sprite's first frame on it.
Surface PlayfieldPreview(const std::vector<ArtFile>& art) {
    Surface field(288, 240);
    if (const Surface* back = Find(art, "absBack.bmp")) {
        for (int y = 0; y < field.Height(); y += back->Height()) {
            for (int x = 0; x < field.Width(); x += back->Width()) {
                PutTransparent(field, *back, x, y);
            }
        }
    }
    int x = 6;
    int y = 6;
    int rowHeight = 0;
    for (const ArtFile& file : art) {
        const bool firstFrame = file.name.find('0') != std::string::npos ||
                                file.name.find("shot") == 0 || file.name == "smoke.bmp";
        if (!firstFrame || file.name.find("abs") == 0) {
            continue;
        }
        if (x + file.picture.Width() > field.Width()) {
            x = 6;
            y += rowHeight + 4;
            rowHeight = 0;
        }
        PutTransparent(field, file.picture, x, y);
        x += file.picture.Width() + 4;
        rowHeight = std::max(rowHeight, file.picture.Height());
    }
    return field;
}

}  // namespace

Surface BuildContactSheet(const std::vector<ArtFile>& art, const std::vector<IconResource>& icons) {
    std::vector<const Surface*> pictures;
    for (const ArtFile& file : art) {
        pictures.push_back(&file.picture);
    }
    for (const IconResource& icon : icons) {
        pictures.push_back(&icon.picture);
    }
    std::vector<Placement> placements;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const Surface* picture : pictures) {
        const int w = picture->Width() * kEnlargement;
        const int h = picture->Height() * kEnlargement;
        if (x + w + kGap > kSheetWidth && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placements.push_back({picture, x, y});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    const int previewTop = y + rowHeight + kGap;
    const Surface preview = PlayfieldPreview(art);
    Surface sheet(kSheetWidth, previewTop + preview.Height() * 2 + kGap);
    sheet.Fill(kSheetBackground);
    for (const Placement& placed : placements) {
        PutEnlarged(sheet, *placed.picture, placed.x, placed.y, kEnlargement);
    }
    PutTransparent(sheet, preview, kGap, previewTop);
    PutEnlarged(sheet, preview, kGap * 2 + preview.Width(), previewTop, 2);
    return sheet;
}
