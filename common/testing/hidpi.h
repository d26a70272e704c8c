#pragma once

#include "common/testing/pixelblocks.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace kit::testing {

// Including this header puts the test program on a screen of two device pixels
// to a window pixel, where smoothing would blur every skin pixel. Qt reads the
// factor when the application is made, which is after every static initializer.
inline const bool kDoubleDensityScreen = qputenv("QT_SCALE_FACTOR", "2");

inline ::testing::AssertionResult onDoubleDensityScreen()
{
    if (kDoubleDensityScreen && qApp && qApp->devicePixelRatio() == 2.0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the screen is not of double density";
}

} // namespace kit::testing
