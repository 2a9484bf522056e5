// Which recipe makes which clip, and how loud each is mastered.
#include "ClipCatalog.h"

#include "Mastering.h"
#include "SoundEffects.h"

namespace {

// Loudness (RMS of the loudest tenth of a second, in sample steps) by the clip's role:
// the tune sits under the effects, the big events stand out.
constexpr double kTuneLoudness = 28.0;
constexpr double kEffectLoudness = 34.0;
constexpr double kEventLoudness = 40.0;

struct Recipe {
    int id;
    void (*render)(Mixer&);
    double loudness;
};

constexpr Recipe kRecipes[] = {
    {145, TitleTune, kTuneLoudness},
    {156, WallTick, kEffectLoudness},
    {157, GameOverPhrase, kEffectLoudness},
    {158, LevelUpArpeggio, kEffectLoudness},
    {159, DeepBlast, kEventLoudness},
    {160, CollectChime, kEffectLoudness},
    {161, LaunchTwang, kEffectLoudness},
    {162, HighScoreFanfare, kEffectLoudness},
    {164, BigCrunch, kEventLoudness},
    {166, IcyFreeze, kEffectLoudness},
    {167, Whoosh, kEffectLoudness},
    {168, PanelSlide, kEffectLoudness},
    {169, WarpSweep, kEffectLoudness},
    {173, [](Mixer& mix) { GlassHit(mix, 0); }, kEffectLoudness},
    {174, [](Mixer& mix) { GlassHit(mix, 1); }, kEffectLoudness},
    {175, [](Mixer& mix) { GlassHit(mix, 2); }, kEffectLoudness},
};

}  // namespace

std::vector<Clip> RenderAllClips() {
    std::vector<Clip> clips;
    for (const ClipFormat& format : kClipFormats) {
        for (const Recipe& recipe : kRecipes) {
            if (recipe.id != format.id) {
                continue;
            }
            Mixer mix(double(format.sampleRate), ClipLength(format));
            recipe.render(mix);
            clips.push_back({format.id, format.sampleRate,
                             Master(mix.Output(), double(format.sampleRate), recipe.loudness)});
        }
    }
    return clips;
}
