// The dump's keys, named as the game names its state.
#include "StateDump.h"

#include <cstdio>
#include <cstring>

#include "ObjectReport.h"
#include "app/FrameDriver.h"
#include "core/GameObject.h"
#include "core/PauseState.h"
#include "core/PlayRecord.h"
#include "core/Random.h"
#include "objects/SparkPools.h"
#include "play/PlayMode.h"
#include "sound/SoundPlayer.h"

namespace {

void Member(JsonWriter& json, const char* key, long long value) {
    json.Key(key);
    json.Int(value);
}

void WriteRect(JsonWriter& json, const Rect& r) {
    json.BeginArray();
    json.Int(r.left);
    json.Int(r.top);
    json.Int(r.right);
    json.Int(r.bottom);
    json.EndArray();
}

void WritePlayMode(JsonWriter& json, const PlayMode& play) {
    Member(json, "screen", int(play.screen));
    Member(json, "screenTime", play.screenTime);
    Member(json, "playClock", play.playClock);
    Member(json, "score", play.score);
    Member(json, "level", play.level);
    Member(json, "gemsSpawned", play.gemsSpawned);
    Member(json, "bigGemCount", play.bigGemCount);
    Member(json, "reloadDelay", play.reloadDelay);
    Member(json, "madeHighScore", play.madeHighScore);
    Member(json, "dragAnchorX", play.dragAnchorX);
    Member(json, "dragAnchorY", play.dragAnchorY);
    json.Key("initials");
    json.String(std::string_view(play.initials, strnlen(play.initials, sizeof play.initials)));
}

void WritePlayRecord(JsonWriter& json) {
    Member(json, "shotsFired", shotsFired);
    Member(json, "hitCount", hitCount);
    Member(json, "missCount", missCount);
    json.Key("accuracy");
    json.Float(accuracy);
    Member(json, "pendingShotCount", pendingShotCount);
    Member(json, "pendingShotKind", pendingShotKind);
    Member(json, "timeStopCount", timeStopCount);
    Member(json, "timeWarpCount", timeWarpCount);
    json.Key("gemSeed");
    json.UInt(gemSeed);
}

void WriteHighScores(JsonWriter& json, const PlayMode& play) {
    json.Key("highScores");
    json.BeginArray();
    for (const HighScoreEntry& entry : play.highScores) {
        json.BeginObject();
        json.Key("initials");
        json.String(
            std::string_view(entry.initials, strnlen(entry.initials, sizeof entry.initials)));
        Member(json, "score", entry.score);
        Member(json, "level", entry.level);
        json.EndObject();
    }
    json.EndArray();
}

// Between frames no walk is under way, so the list's cursor is free to use.
void WriteObjects(JsonWriter& json, const char* key, ObjectList& list) {
    json.Key(key);
    json.BeginArray();
    for (NamedObject* o = list.First(); o != nullptr; o = list.Next()) {
        WriteObject(json, *static_cast<const GameObject*>(o));
    }
    json.EndArray();
}

void WriteSparks(JsonWriter& json) {
    json.Key("sparks");
    json.BeginObject();
    for (const NamedSparkPool& named : AllSparkPools()) {
        Member(json, named.name, named.pool != nullptr ? named.pool->LiveSparkCount() : 0);
    }
    json.EndObject();
}

void WriteSound(JsonWriter& json) {
    json.Key("sound");
    json.BeginObject();
    Member(json, "enabled", soundPlayer.enabled ? 1 : 0);
    Member(json, "priority", soundPlayer.priority);
    json.Key("busyUntil");
    json.UInt(soundPlayer.busyUntil);
    json.EndObject();
}

}  // namespace

void WriteStepDump(JsonWriter& json, const StepReport& report) {
    json.BeginObject();
    Member(json, "step", report.step);
    json.Key("clock");
    json.UInt(report.clock);
    json.Key("frameRan");
    json.Bool(report.frameRan);
    const PlayMode* play = CurrentPlayMode();
    if (play != nullptr) WritePlayMode(json, *play);
    Member(json, "paused", paused);
    Member(json, "stepFrames", stepFrames);
    WritePlayRecord(json);
    json.Key("randomState");
    json.UInt(randomGenerator.State());
    if (play != nullptr) WriteHighScores(json, *play);
    WriteObjects(json, "targets", targetList);
    WriteObjects(json, "shots", shotList);
    WriteSparks(json);
    WriteSound(json);
    json.Key("played");
    json.BeginArray();
    for (int id : report.played) json.Int(id);
    json.EndArray();
    json.Key("presented");
    json.BeginArray();
    if (report.frameRan && frameDriver != nullptr) {
        for (const Rect& r : frameDriver->LastPresented()) WriteRect(json, r);
    }
    json.EndArray();
    char hash[20];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(
                      frameDriver != nullptr ? HashPixels(frameDriver->BackBuffer()) : 0));
    json.Key("frameHash");
    json.String(hash);
    json.EndObject();
}
