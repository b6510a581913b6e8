// For a test that starts its own program again to run one test in a child process.
#pragma once

#include <windows.h>

// The child runs its one test whatever share of a sharded run this process runs, so it inherits
// no sharding; GoogleTest read the sharding when this process started, and keeps its share.
inline void StartChildrenUnsharded()
{
    SetEnvironmentVariableW(L"GTEST_TOTAL_SHARDS", nullptr);
    SetEnvironmentVariableW(L"GTEST_SHARD_INDEX", nullptr);
}
