// Spark slots: emitting into free slots round-robin, moving, ageing and drawing.
#include "objects/SparkPool.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "core/GameMath.h"
#include "core/PortableMath.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "platform/DrawContext.h"

namespace {

constexpr float kRangeScale = 0.001f;
constexpr int kRangeSteps = 1000;

// A point where a spread of r thousandths of [low, high] lands.
float Spread(int r, float low, float high) { return float(r) * (high - low) * kRangeScale + low; }

// The far end of a dash: sparks pinned at the int range's edge must not overflow.
int32_t AddSaturating(int32_t a, int32_t b) {
    const int64_t sum = int64_t(a) + b;
    return int32_t(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

}  // namespace

SparkPool::SparkPool(int32_t slotCount, const Pen* dashPen, int32_t dash)
    : capacity(std::max(slotCount, 0)),
      dashLength(dash),
      pen(dashPen),
      sparks_(static_cast<size_t>(capacity)),
      live_((static_cast<size_t>(capacity) + kSlotsPerWord - 1) / kSlotsPerWord) {}

template <typename Visit>
void SparkPool::ForEachLive(Visit visit) const {
    for (size_t word = 0; word < live_.size(); ++word) {
        for (uint64_t bits = live_[word]; bits != 0; bits &= bits - 1) {
            visit(word * kSlotsPerWord + size_t(std::countr_zero(bits)));
        }
    }
}

void SparkPool::Place(int32_t slot, const Spark& spark) {
    sparks_[size_t(slot)] = spark;
    const uint64_t bit = uint64_t(1) << (slot % kSlotsPerWord);
    uint64_t& word = live_[size_t(slot / kSlotsPerWord)];
    word = spark.life > 0 ? word | bit : word & ~bit;
}

void SparkPool::Clear() {
    for (Spark& spark : sparks_) spark.life = 0;
    std::fill(live_.begin(), live_.end(), 0);
}

int32_t SparkPool::FindFreeSlot() const {
    // Every slot but lastSlot itself, from the one after it round to the one before it.
    int32_t slot = lastSlot;
    for (int32_t step = 1; step < capacity; ++step) {
        slot = (slot >= 0 && slot < capacity - 1) ? slot + 1 : 0;
        if (sparks_[size_t(slot)].life <= 0) return slot;
    }
    return -1;
}

void Spark::Aim() {
    const SineCosine direction = SinCos(double(heading));
    stepRight = direction.sine * speed;
    stepUp = direction.cosine * speed;
}

void SparkPool::Emit(int count, int x, int y) {
    for (int n = 0; n < count; ++n) {
        const int32_t slot = FindFreeSlot();
        if (slot < 0) return;
        Spark spark;
        spark.x = float(x);
        spark.y = float(y);
        spark.heading = Spread(Random() % kRangeSteps, angleMin, angleMax);
        spark.speed = Spread(Random() % kRangeSteps, speedMin, speedMax);
        spark.Aim();
        // Wide product: no overflow for any range; the same value as int arithmetic.
        const int r = Random() % kRangeSteps;
        const float lifeSpan = float(int64_t(r) * (int64_t(lifeMax) - lifeMin));
        spark.life = TruncateToInt(lifeSpan * kRangeScale + float(lifeMin));
        Place(slot, spark);
        lastSlot = slot;
    }
}

void SparkPool::Update() {
    ForEachLive([this](size_t slot) {
        Spark& spark = sparks_[slot];
        spark.x = float(spark.x + spark.stepRight);
        spark.y = float(spark.y - spark.stepUp);
        spark.life -= 1;
        if (spark.life <= 0)
            live_[slot / kSlotsPerWord] &= ~(uint64_t(1) << (slot % kSlotsPerWord));
    });
}

void SparkPool::Draw(DrawContext& dc) {
    const Pen* previous = dc.SelectPen(pen);
    ForEachLive([this, &dc](size_t slot) {
        const Spark& spark = sparks_[slot];
        const int32_t xi = TruncateToInt(spark.x);
        const int32_t yi = TruncateToInt(spark.y);
        const int32_t dashEnd = AddSaturating(xi, dashLength);
        dc.LevelLine(xi, dashEnd, yi);
        dirtyRects.MarkDirty(xi, yi, dashEnd, AddSaturating(yi, 1));
    });
    dc.SelectPen(previous);
}

int SparkPool::LiveSparkCount() const {
    int count = 0;
    for (const uint64_t word : live_) count += std::popcount(word);
    return count;
}
