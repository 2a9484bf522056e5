// The list of bitmap files with their file names and painters.
#include "ArtCatalog.h"

#include "BackgroundPainter.h"
#include "BigGemPainter.h"
#include "BmpWriter.h"
#include "GemPainter.h"
#include "ShotPainter.h"
#include "SmokePainter.h"
#include "TitlePainter.h"

namespace {

constexpr GemFamily kFamilies[] = {GemFamily::Ruby, GemFamily::Emerald, GemFamily::Sapphire};

void AddGems(std::vector<ArtFile>& art) {
    for (GemFamily family : kFamilies) {
        for (GemCut cut : kAllCuts) {
            for (int frame = 0; frame < kGemFrames; ++frame) {
                art.push_back(
                    {"gem" + FamilyTag(family) + CutLetter(cut) + std::to_string(frame) + ".bmp",
                     PaintGem(cut, family, frame), BmpDepth::Indexed8});
            }
        }
    }
}

void AddBigGems(std::vector<ArtFile>& art) {
    for (GemFamily family : kFamilies) {
        for (int frame = 0; frame < kBigGemFrames; ++frame) {
            art.push_back({"gem" + FamilyTag(family) + "BIG" + std::to_string(frame) + ".bmp",
                           PaintBigGem(family, frame), BmpDepth::Indexed8});
        }
    }
}

}  // namespace

std::vector<ArtFile> PaintAllArt() {
    std::vector<ArtFile> art;
    art.push_back({"absBack.bmp", PaintBackground(), BmpDepth::Rgb24});
    art.push_back({"absTitle.bmp", PaintTitle(), BmpDepth::Rgb24});
    art.push_back({"smoke.bmp", PaintSmoke(), BmpDepth::Indexed8});
    // The glowing shots keep their smooth gradients in 24 bits.
    art.push_back({"shot.bmp", PaintNormalShot(), BmpDepth::Indexed8});
    art.push_back({"shot-pellet.bmp", PaintPelletShot(), BmpDepth::Indexed8});
    art.push_back({"shot-fragment.bmp", PaintFragmentShot(), BmpDepth::Indexed8});
    art.push_back({"shot-frag.bmp", PaintBreakUpShot(), BmpDepth::Indexed8});
    art.push_back({"shot-explo.bmp", PaintBoomShot(), BmpDepth::Rgb24});
    art.push_back({"shot-nuke.bmp", PaintBlastShot(), BmpDepth::Rgb24});
    art.push_back({"shot-freeze.bmp", PaintFreezeShot(), BmpDepth::Indexed8});
    art.push_back({"shot-massive.bmp", PaintHeavyShot(), BmpDepth::Indexed8});
    AddGems(art);
    AddBigGems(art);
    return art;
}

std::vector<uint8_t> EncodeArtFile(const ArtFile& file) {
    return file.depth == BmpDepth::Indexed8 ? EncodeBmp8(ToIndexed(file.picture, 256))
                                            : EncodeBmp24(file.picture);
}
