#pragma once
// The base of every engine test: after each test the engine's seams and
// program-wide sizes are back at their start values, whatever the test set.
#include <gtest/gtest.h>

#include "EngineHost.h"
#include "WavFile.h"
#include "WorkBuffers.h"

class EngineTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        FileFaults::reset();
        BufferFaults::failAbove = -1;
        WorkBufSize = DefaultWorkBufSize;
        SmallBufSize = DefaultSmallBufSize;
        engineHost() = EngineHost{};
    }
};
