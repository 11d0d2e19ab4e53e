// The drawing-object table's lock, and the table used from several threads at once.
#include "platform/gdi/table_lock.h"

#include <gtest/gtest.h>

#include <functional>
#include <latch>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/gdi/gdi.h"

namespace {

// Runs `work(i)` on `count` threads that all start together, and waits for them.
void OnThreads(int count, const std::function<void(int)>& work) {
    std::latch start(count);
    std::vector<std::thread> threads;
    for (int i = 0; i < count; ++i) {
        threads.emplace_back([&, i] {
            start.arrive_and_wait();
            work(i);
        });
    }
    for (std::thread& thread : threads) thread.join();
}

TEST(TableLockTest, NoIncrementIsLostBetweenThreads) {
    TableLock lock;
    long counter = 0;  // plain: only the lock keeps the increments apart
    constexpr int kThreads = 4;
    constexpr int kRounds = 200000;
    OnThreads(kThreads, [&](int) {
        for (int i = 0; i < kRounds; ++i) {
            std::lock_guard guard(lock);
            counter = counter + 1;
        }
    });
    EXPECT_EQ(counter, long{kThreads} * kRounds);
}

// Each thread draws on its own off-screen bitmap while the others create and delete theirs:
// every fill lands on the right bitmap and no object is lost or left over.
TEST(TableLockTest, ThreadsDrawingAtOnceKeepTheTableWhole) {
    const std::size_t baseline = LiveGdiObjectCount();
    constexpr int kThreads = 4;
    constexpr int kRounds = 2000;
    std::vector<int> wrongPixels(kThreads, 0);
    OnThreads(kThreads, [&](int thread) {
        const COLORREF colour = 0x00102030u + static_cast<COLORREF>(thread);
        for (int i = 0; i < kRounds; ++i) {
            HDC memory = CreateCompatibleDC(0);
            HBITMAP bitmap = CreateCompatibleBitmap(memory, 3, 3);
            HGDIOBJ previous = SelectObject(memory, bitmap);
            RECT column{1, 0, 2, 3};
            FillOpaque(memory, &column, colour);
            const Surface* surface = SurfaceOfDC(memory);
            if (surface == nullptr || surface->Pixel(1, 2) != colour || surface->Pixel(0, 2) != 0)
                ++wrongPixels[thread];
            SelectObject(memory, previous);
            DeleteObject(bitmap);
            DeleteDC(memory);
        }
    });
    EXPECT_EQ(wrongPixels, std::vector<int>(kThreads, 0));
    EXPECT_EQ(LiveGdiObjectCount(), baseline);
}

}  // namespace
