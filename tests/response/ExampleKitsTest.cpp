// The committed example kits hold exactly the values of ExampleKits.h, and every standard in
// them behaves as a passive standard should. With TESSALY_WRITE_EXAMPLES set to a folder, the
// first test writes the kit files there instead of checking them (that is how they were made).
#include "ExampleKits.h"
#include "SampleKits.h"

#include "kit/KitFile.h"
#include "response/ResponseSweep.h"
#include "response/StandardModel.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string ExamplePath(const std::string& fileName)
{
    return std::string(TESSALY_SOURCE_DIR) + "/docs/examples/" + fileName;
}

} // namespace

TEST(ExampleKits, CommittedFilesHoldTheTable)
{
    for (const TExampleKit& example : ExampleKits()) {
        SCOPED_TRACE(example.FileName);
        const auto expected = BuildExampleKit(example);
        if (const char* folder = std::getenv("TESSALY_WRITE_EXAMPLES")) {
            WriteKitFile(*expected, std::string(folder) + "/" + example.FileName);
            continue;
        }
        auto read = TCalKit::Create(*Vnas().front());
        ReadKitFile(*read, ExamplePath(example.FileName));
        read->SetDateLastModified(expected->DateLastModified());
        EXPECT_EQ(DumpKit(*read), DumpKit(*expected));
        // Nothing of the table was clamped away by the model's limits.
        for (std::size_t i = 0; i < example.Standards.size(); ++i)
            EXPECT_EQ(read->Standard(static_cast<int>(i) + 1).Values(), example.Standards[i]) << i + 1;
    }
}

TEST(ExampleKits, EveryStandardIsPassiveOverItsSweep)
{
    for (const TExampleKit& example : ExampleKits()) {
        const auto kit = BuildExampleKit(example);
        for (int n = 1; n <= static_cast<int>(example.Standards.size()); ++n) {
            const TStandardModel model = TStandardModel::FromStandard(kit->Standard(n));
            for (const double f : SweepFrequencies(DefaultSweep(*kit, n))) {
                ASSERT_TRUE(HasResponseAt(model, f)) << example.Label << " " << n << " " << f;
                const TSParameters s = ModelResponseAt(model, f);
                // Power in = power reflected + transmitted + lost.
                const double power = std::norm(s.S11) + std::norm(s.S21);
                EXPECT_LE(power, 1 + 1e-12) << example.Label << " " << n << " " << f;
                if (model.OffsetLoss == 0 && model.LoadType != TLoadType::Sliding && model.Type != TStdType::Load &&
                    model.Type != TStdType::ArbiZ) {
                    EXPECT_NEAR(power, 1, 1e-12) << example.Label << " " << n << " " << f;
                }
            }
        }
    }
}
