#include <gtest/gtest.h>

#include "screens/ContractOfferDlg.h"
#include "tests/app/MessageBoxFixture.h"

namespace {

class ContractOfferDlgTest : public MessageBoxFixture {
protected:
    bool Offer(CContractOfferDlg& dlg) {
        int32_t factor = 150;
        int32_t kind = kStaffClaim;
        return dlg.Open(factor, kind);
    }
};

TEST_F(ContractOfferDlgTest, RefusedUnlessTheRunnerAccepts) {
    CContractOfferDlg dlg;
    dlg.title = "Ole Brandt";
    dlg.interest[0] = 1000;
    EXPECT_FALSE(Offer(dlg));
    runner.Script(ModalAnswer::Choice(CContractOfferDlg::kAcceptChoice));
    EXPECT_TRUE(Offer(dlg));
    runner.Script(ModalAnswer::Cancel());
    EXPECT_FALSE(Offer(dlg));
    ASSERT_EQ(runner.Records().size(), 3u);
    EXPECT_EQ(runner.Records()[0].kind, "contract offer");
    EXPECT_EQ(runner.Records()[0].title, "Ole Brandt");
    EXPECT_EQ(runner.Records()[0].extra, kStaffClaim);
}

TEST_F(ContractOfferDlgTest, NothingOfInterestIsNotOffered) {
    CContractOfferDlg dlg;
    runner.Script(ModalAnswer::Choice(CContractOfferDlg::kAcceptChoice));
    EXPECT_FALSE(Offer(dlg));
    EXPECT_TRUE(runner.Records().empty());
}

}  // namespace
