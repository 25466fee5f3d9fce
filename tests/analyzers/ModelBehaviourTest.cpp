// Behaviour of the model objects: getters at their edges, option selection, model look-up,
// and what the class tree passes on from parent to child.
#include "analyzers/Family8510.h"
#include "analyzers/Family8753.h"
#include "analyzers/Pna.h"
#include "ClassInfoPrinter.h"
#include "analyzers/Vna.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A legacy model whose leaf changes the number of standards after its parents have run.
class TWide8753 : public T8753Family {
    friend class TVna;
    TWide8753() { NumStandards = 21; }
};

} // namespace

TEST(ModelBehaviour, GettersFallBackOutsideTheirRanges)
{
    for (const auto& vna : Vnas()) {
        SCOPED_TRACE(vna->ModelName);
        const TStdClassInfo fallback = vna->ClassInfo[0];
        EXPECT_EQ(fallback.Code, " ");
        for (int n : {0, -1, vna->NumClasses + 1, 31, 256, 300})
            EXPECT_EQ(vna->GetClassInfo(n), fallback) << "class " << n;
        EXPECT_EQ(vna->GetClassInfo(1), vna->ClassInfo[1]);
        EXPECT_EQ(vna->GetClassInfo(vna->NumClasses), vna->ClassInfo[static_cast<std::size_t>(vna->NumClasses)]);
        EXPECT_NE(vna->GetClassInfo(vna->NumClasses), fallback);

        for (TStdType type : {TStdType::None, TStdType::Short, TStdType::ArbiZ}) {
            EXPECT_EQ(vna->GetStdHint(type, 1), "");
            EXPECT_EQ(vna->GetStdHint(type, 15), "");
            EXPECT_NE(vna->GetStdHint(type, 2), "");
            EXPECT_NE(vna->GetStdHint(type, 14), "");
        }
        EXPECT_EQ(vna->GetClassHint(1), "");
        EXPECT_EQ(vna->GetClassHint(10), "");
        EXPECT_EQ(vna->GetKitHint(0), "");
        EXPECT_EQ(vna->GetKitHint(8), "");
        EXPECT_EQ(vna->GetKitHint(7), "Must choose type of calibration for 8753/8720 family");
    }
}

TEST(ModelBehaviour, LegacyStepsAndClassHintsFollowTheFinalStandardCount)
{
    const auto wide = TVna::Make<TWide8753>();
    EXPECT_EQ(wide->DownloadStepCount, 24);
    EXPECT_EQ(wide->UploadStepCount, 23);
    for (int column = 2; column <= 8; ++column)
        EXPECT_EQ(wide->GetClassHint(column), "Standard Number: 1 to 21");
    EXPECT_EQ(wide->GetClassHint(9), "Standard Class Label (10 characters max)");

    const TVna& a8510 = *FindVna("8510A");
    EXPECT_EQ(a8510.GetClassHint(5), "Standard Number: 1 to 21");
    EXPECT_EQ(a8510.DownloadStepCount, 24);
}

TEST(ModelBehaviour, SelectOptionClampsToTheOptionList)
{
    const auto c8510 = TVna::Make<T8510C>();
    EXPECT_EQ(c8510->SelectedOption, 2);
    c8510->SelectOption(1);
    EXPECT_EQ(c8510->SelectedOption, 1);
    c8510->SelectOption(3);
    EXPECT_EQ(c8510->SelectedOption, 2);
    c8510->SelectOption(-4);
    EXPECT_EQ(c8510->SelectedOption, 1);
    EXPECT_EQ(TVna::OptionCommand(c8510->GpibOptions[0]), "MODI1;");
    EXPECT_EQ(TVna::OptionCaption(c8510->GpibOptions[1]), "Cal Kit &2");

    const auto pna = TVna::Make<TPna>();
    pna->SelectOption(99);
    EXPECT_EQ(pna->SelectedOption, 4);
    pna->SelectOption(0);
    EXPECT_EQ(pna->SelectedOption, 1);
    EXPECT_EQ(TVna::OptionCommand(pna->GpibOptions[3]), "sel 10");

    // Models made apart from the catalogue leave the catalogue's selection alone.
    EXPECT_EQ(FindVna("PNA")->SelectedOption, 4);
    EXPECT_EQ(FindVna("8510C")->SelectedOption, 2);
}

TEST(ModelBehaviour, FindVnaTakesIndexOrShortNameIgnoringCase)
{
    const auto& vnas = Vnas();
    for (std::size_t i = 0; i < vnas.size(); ++i) {
        EXPECT_EQ(FindVna(std::to_string(i)), vnas[i].get());
        const std::string shortName = vnas[i]->ModelName.substr(8);
        EXPECT_EQ(FindVna(shortName), vnas[i].get()) << shortName;
    }
    EXPECT_EQ(FindVna("8753d/e"), vnas[16].get());
    EXPECT_EQ(FindVna("pna 3PORT"), vnas[1].get());
    EXPECT_EQ(FindVna("8753DTRL"), vnas[15].get());
    for (const char* unknown : {"17", "-1", "", " 3", "3 ", "1x", "8753", "Agilent PNA", "PNA3port", "8753D/E "})
        EXPECT_EQ(FindVna(unknown), nullptr) << '"' << unknown << '"';
}

TEST(ModelBehaviour, CatalogueHoldsOneObjectPerModelAndMakeBuildsTheSameDescription)
{
    const auto& vnas = Vnas();
    EXPECT_EQ(&vnas, &Vnas());
    std::set<const TVna*> distinct;
    for (const auto& vna : vnas)
        distinct.insert(vna.get());
    EXPECT_EQ(distinct.size(), 17u);

    const auto fresh = TVna::Make<T8753DE>();
    const TVna& listed = *vnas[16];
    EXPECT_NE(fresh.get(), &listed);
    EXPECT_EQ(fresh->ModelName, listed.ModelName);
    EXPECT_EQ(fresh->ClassHints, listed.ClassHints);
    EXPECT_EQ(fresh->DownloadStepCount, listed.DownloadStepCount);
    EXPECT_EQ(fresh->ClassInfo, listed.ClassInfo);
}

TEST(ModelBehaviour, ClassTreeHandsDownAndOverridesValues)
{
    const auto& vnas = Vnas();
    // The class tree itself.
    for (std::size_t i = 0; i < vnas.size(); ++i) {
        const TVna* vna = vnas[i].get();
        SCOPED_TRACE(vna->ModelName);
        EXPECT_EQ(dynamic_cast<const TPna*>(vna) != nullptr, i <= 1);
        EXPECT_EQ(dynamic_cast<const TLegacy*>(vna) != nullptr, i >= 2);
        EXPECT_EQ(dynamic_cast<const T8510Family*>(vna) != nullptr, i >= 2 && i <= 4);
        EXPECT_EQ(dynamic_cast<const T8510B*>(vna) != nullptr, i == 3 || i == 4);
        EXPECT_EQ(dynamic_cast<const T8753Family*>(vna) != nullptr, i >= 5);
        EXPECT_EQ(dynamic_cast<const T8753TRLFamily*>(vna) != nullptr, vna->HasCalTypeChoice);
        // Appending keeps earlier ordinals: Offset, where offered, is always load type 2.
        for (const TStringList* list : {&vna->LoadTypeNames, &vna->ArbLoadTypeNames}) {
            EXPECT_EQ(list->at(0), "Fixed");
            if (list->size() > 2) {
                EXPECT_EQ(list->at(Ord(TLoadType::Offset)), "Offset");
            }
        }
        EXPECT_EQ(vna->StdTypeNames.at(Ord(TStdType::Thru)), "Thru/Line");
    }

    // The 3-port PNA renames thrus 4 and 8, adds 9 to 15 and keeps the rest of the 2-port table.
    const TVna& pna = *FindVna("PNA");
    const TVna& pna3 = *FindVna("PNA 3port");
    for (int n = 0; n <= 8; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (n == 4 || n == 8) {
            EXPECT_NE(pna3.ClassInfo[i].Name, pna.ClassInfo[i].Name);
            EXPECT_EQ(pna3.ClassInfo[i].Code, pna.ClassInfo[i].Code);
        } else {
            EXPECT_EQ(pna3.ClassInfo[i], pna.ClassInfo[i]) << "class " << n;
        }
    }
    EXPECT_EQ(pna3.StdHints, pna.StdHints);
    EXPECT_EQ(pna3.ClassHints, pna.ClassHints);
    EXPECT_EQ(pna3.GpibOptions, pna.GpibOptions);
}
