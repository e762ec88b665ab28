#include "TObjectList.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Counts how many of its kind are alive, to see the list free its objects.
struct TCounted {
    explicit TCounted(int& iAlive) : iAlive(iAlive) { ++iAlive; }
    ~TCounted() { --iAlive; }
    TCounted(const TCounted&) = delete;
    TCounted& operator=(const TCounted&) = delete;
    int& iAlive;
};

TEST(ObjectList, EntriesOwnTheirObjects) {
    int iAlive = 0;
    {
        TObjectList<TCounted> list;
        list.Add("zep_a", std::make_unique<TCounted>(iAlive));
        list.Add("no object");
        list.Insert(0, "zep_b", std::make_unique<TCounted>(iAlive));
        ASSERT_EQ(list.Count(), 3);
        EXPECT_EQ(list.Strings(1), "zep_a");
        EXPECT_EQ(list.Objects(2), nullptr);
        EXPECT_EQ(list.IndexOf("ZEP_A"), 1);
        EXPECT_EQ(list.IndexOf("zep_c"), -1);
        EXPECT_EQ(iAlive, 2);

        list.Delete(0);
        EXPECT_EQ(iAlive, 1);
        EXPECT_EQ(list.Strings(0), "zep_a");

        list.FreeObjects();
        EXPECT_EQ(iAlive, 0);
        EXPECT_EQ(list.Count(), 2);

        list.SetObject(1, std::make_unique<TCounted>(iAlive));
        list.Clear();
        EXPECT_EQ(iAlive, 0);
        EXPECT_EQ(list.Count(), 0);

        list.Add("kept", std::make_unique<TCounted>(iAlive));
    }
    EXPECT_EQ(iAlive, 0);
}

} // namespace
