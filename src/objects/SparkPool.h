// A fixed-size pool of flying sparks drawn as short horizontal dashes in one pen.
#pragma once

#include <cstdint>
#include <vector>

class DrawContext;
struct Pen;

struct Spark {
    float x = 0;
    float y = 0;
    float speed = 0;    // pixels per frame
    float heading = 0;  // radians from straight up, clockwise
    int32_t life = 0;   // frames left; 0 or less is a free slot
    // speed times the heading's sine and cosine, worked out once at emission: every frame x
    // grows by the first and y shrinks by the second.
    double stepRight = 0;
    double stepUp = 0;

    // Works out the two steps from speed and heading.
    void Aim();
};

class SparkPool {
public:
    // capacity slots, all free; the creator sets the six ranges next. pen is not owned.
    SparkPool(int32_t capacity, const Pen* pen, int32_t dashLength);
    virtual ~SparkPool() = default;
    SparkPool(const SparkPool&) = delete;
    SparkPool& operator=(const SparkPool&) = delete;

    // Starts up to count sparks at (x, y); a full pool drops the rest.
    void Emit(int count, int x, int y);
    // Moves every live spark one frame along its heading and ages it.
    void Update();
    // Draws every live spark in the pool's pen and marks each dash dirty.
    void Draw(DrawContext& dc);

    int LiveSparkCount() const;

    // Every slot, live or free, in slot order.
    const std::vector<Spark>& Sparks() const { return sparks_; }
    // Puts the spark in the slot, live or not as its life says.
    void Place(int32_t slot, const Spark& spark);
    // Frees every slot.
    void Clear();

    int32_t capacity;
    int32_t lastSlot = 0;  // the slot filled last
    int32_t dashLength;
    const Pen* pen;
    float angleMin = 0, angleMax = 0;
    float speedMin = 0, speedMax = 0;
    int32_t lifeMin = 0, lifeMax = 0;

private:
    static constexpr int kSlotsPerWord = 64;

    // The next free slot after lastSlot, or -1 when the search comes back to lastSlot.
    int32_t FindFreeSlot() const;
    // Calls visit(slot) for every live slot, in slot order.
    template <typename Visit>
    void ForEachLive(Visit visit) const;

    std::vector<Spark> sparks_;
    // One bit a slot, set while its spark lives: the frame's walks skip the free slots.
    std::vector<uint64_t> live_;
};
