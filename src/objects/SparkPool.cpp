// Spark slots: emitting into free slots round-robin, moving, ageing and drawing.
#include "objects/SparkPool.h"

#include <algorithm>
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
      sparks(static_cast<size_t>(capacity)) {}

int32_t SparkPool::FindFreeSlot() const {
    // Every slot but lastSlot itself, from the one after it round to the one before it.
    int32_t slot = lastSlot;
    for (int32_t step = 1; step < capacity; ++step) {
        slot = (slot >= 0 && slot < capacity - 1) ? slot + 1 : 0;
        if (sparks[size_t(slot)].life <= 0) return slot;
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
        Spark& spark = sparks[size_t(slot)];
        spark.x = float(x);
        spark.y = float(y);
        spark.heading = Spread(Random() % kRangeSteps, angleMin, angleMax);
        spark.speed = Spread(Random() % kRangeSteps, speedMin, speedMax);
        spark.Aim();
        // Wide product: no overflow for any range; the same value as int arithmetic.
        const int r = Random() % kRangeSteps;
        const float lifeSpan = float(int64_t(r) * (int64_t(lifeMax) - lifeMin));
        spark.life = TruncateToInt(lifeSpan * kRangeScale + float(lifeMin));
        lastSlot = slot;
    }
}

void SparkPool::Update() {
    for (Spark& spark : sparks) {
        if (spark.life <= 0) continue;
        spark.x = float(spark.x + spark.stepRight);
        spark.y = float(spark.y - spark.stepUp);
        spark.life -= 1;
    }
}

void SparkPool::Draw(DrawContext& dc) {
    const Pen* previous = dc.SelectPen(pen);
    for (const Spark& spark : sparks) {
        if (spark.life <= 0) continue;
        const int32_t xi = TruncateToInt(spark.x);
        const int32_t yi = TruncateToInt(spark.y);
        const int32_t dashEnd = AddSaturating(xi, dashLength);
        dc.MoveTo(xi, yi);
        dc.LineTo(dashEnd, yi);
        dirtyRects.MarkDirty(xi, yi, dashEnd, AddSaturating(yi, 1));
    }
    dc.SelectPen(previous);
}

int SparkPool::LiveSparkCount() const {
    return int(std::count_if(sparks.begin(), sparks.end(),
                             [](const Spark& spark) { return spark.life > 0; }));
}
