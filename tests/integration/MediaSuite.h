// A GoogleTest suite whose tests share one media server and its clips, made
// before the suite's first test and stopped after its last.
#pragma once

#include "MediaFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace kestova::test {

class MediaSuite : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { media = std::make_unique<MediaFixture>(); }
    static void TearDownTestSuite() { media.reset(); }

    static inline std::unique_ptr<MediaFixture> media;
};

} // namespace kestova::test
