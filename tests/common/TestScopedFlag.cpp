#include "TScopedFlag.h"

#include <gtest/gtest.h>

TEST(ScopedFlag, NestedGuardsGiveBackTheValueEachFound) {
    bool bUpdating = false;
    {
        const TScopedFlag outer(bUpdating);
        EXPECT_TRUE(bUpdating);
        {
            const TScopedFlag inner(bUpdating);
            EXPECT_TRUE(bUpdating);
        }
        EXPECT_TRUE(bUpdating) << "the inner fill does not clear the outer one's flag";
    }
    EXPECT_FALSE(bUpdating);
}
