#pragma once

#include <allegro.h>

#include <memory>

// A bitmap's one owner, which frees it when it goes.
struct BitmapDestroyer {
    void operator()(BITMAP* bitmap) const { destroy_bitmap(bitmap); }
};
using OwnedBitmap = std::unique_ptr<BITMAP, BitmapDestroyer>;
