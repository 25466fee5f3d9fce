// The tests' own process runner: environment, closed standard input, both outputs in full,
// exit status, time limit.
#include "ChildProcess.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)
TEST(ChildProcess, RunsWithItsEnvironmentAndCollectsBothOutputs)
{
    TEnvironment environment = SystemEnvironment();
    environment["TESSALY_CHILD_WORD"] = "K\xC3\x9Chl =x";
    // Standard input is closed (reads give nothing); 300 kB on each output must not stall
    // the child on a full pipe.
    const std::string script = "read line; echo \"in:$line:$TESSALY_CHILD_WORD\"; "
                               "head -c 300000 /dev/zero | tr '\\0' o; head -c 300000 /dev/zero | tr '\\0' e >&2; "
                               "exit 3";
    const TProcessResult run = TChildProcess("/bin/sh", {"-c", script}, environment).Finish();
    EXPECT_EQ(run.Status, 3);
    EXPECT_EQ(run.Out, "in::K\xC3\x9Chl =x\n" + std::string(300000, 'o'));
    EXPECT_EQ(run.Err, std::string(300000, 'e'));

    EXPECT_EQ(TChildProcess("/bin/sh", {"-c", "echo $TESSALY_CHILD_WORD"}, {}).Finish().Out, "\n");
}

TEST(ChildProcess, TimeLimitAndFailureToStart)
{
    TChildProcess sleeper("/bin/sh", {"-c", "echo ready; exec sleep 30"});
    EXPECT_EQ(sleeper.ReadLine(std::chrono::seconds(10)), "ready");
    const auto start = std::chrono::steady_clock::now();
    const TProcessResult run = sleeper.Finish(std::chrono::milliseconds(300));
    EXPECT_EQ(run.Status, -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(TChildProcess("/nonexistent/tessaly/program", {}).Finish().Status, -1);
    // Killed by a signal is no normal end.
    TChildProcess terminated("/bin/sh", {"-c", "echo ready; exec sleep 30"});
    EXPECT_EQ(terminated.ReadLine(std::chrono::seconds(10)), "ready");
    terminated.Terminate();
    EXPECT_EQ(terminated.Finish().Status, -1);
}
#endif
