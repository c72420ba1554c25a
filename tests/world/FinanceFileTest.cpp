#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "world/Finance.h"

namespace {

std::vector<uint8_t> Bytes(const CFinance& account) {
    MemoryFile f;
    EXPECT_TRUE(account.Write(f));
    return f.Bytes();
}

CFinance FullAccount() {
    CFinance account;
    account.SetProfessional(1);
    account.ApplyProfessionalSize();
    account.SetAdmissionFee(kSeatAdmission, 1200);
    account.Book(kIncomeSponsors, 450000);
    account.Book(kCostPlayer, 520000);
    ContractRecord coach{90000, 5000, 10000, 2000, 3, 4, true, false, false};
    account.SetContract(kContractCoach, coach);
    account.SetMainSponsorIndex(12);
    account.AppendTransaction({true, 80, 24, 500000});
    account.AppendTransaction({false, 35, 6, 100000});
    return account;
}

CFinance ShortFlaggedAccount() {
    CFinance account;
    account.Reset();
    account.SetProfessional(1);
    account.Book(kCostStadium, 7);
    return account;
}

}  // namespace

TEST(FinanceFile, LayoutIsFlagThenCountedWordLists) {
    CFinance account;
    account.SetProfessional(1);
    account.Reset();
    account.Book(kIncomeMedia, 0x01020304);
    account.AppendTransaction(FinanceTransaction::Unpack(0xAABB0000));
    const std::vector<uint8_t> expected = {
        1,  3, 0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0, 0, 0, 0,  // flag, 3 figure words
        1,  0x00, 0x00, 0xBB, 0xAA,                             // 1 transaction word
    };
    EXPECT_EQ(Bytes(account), expected);
    EXPECT_EQ(Bytes(CFinance{}), (std::vector<uint8_t>{0, 0, 0}));
}

TEST(FinanceFile, WrittenAndReadBackGivesTheSameBytes) {
    for (const CFinance& original : {CFinance{}, ShortFlaggedAccount(), FullAccount()}) {
        const std::vector<uint8_t> bytes = Bytes(original);
        MemoryFile in(bytes);
        CFinance copy;
        ASSERT_TRUE(copy.Read(in));
        EXPECT_EQ(in.Position(), bytes.size());
        EXPECT_EQ(Bytes(copy), bytes);
    }
}

TEST(FinanceFile, ReadAccountKeepsItsStoredSize) {
    MemoryFile in(Bytes(ShortFlaggedAccount()));
    CFinance copy;
    ASSERT_TRUE(copy.Read(in));
    EXPECT_EQ(copy.IsProfessional(), 1);
    EXPECT_EQ(copy.FigureCount(), kShortFigureCount);
    EXPECT_EQ(copy.GetBalance(), -7);

    const CFinance full = FullAccount();
    MemoryFile fullIn(Bytes(full));
    ASSERT_TRUE(copy.Read(fullIn));
    EXPECT_EQ(copy.GetContract(kContractCoach).amount, 90000u);
    EXPECT_EQ(copy.GetTransaction(0).amount, 500000u);
    EXPECT_EQ(copy.GetMainSponsorIndex(), 12);
}

TEST(FinanceFile, EveryCutFailsAndLeavesTheAccountAsItWas) {
    const std::vector<uint8_t> bytes = Bytes(FullAccount());
    const std::vector<uint8_t> before = Bytes(ShortFlaggedAccount());
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        MemoryFile in(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
        CFinance account = ShortFlaggedAccount();
        EXPECT_FALSE(account.Read(in));
        EXPECT_EQ(Bytes(account), before);
    }
}

TEST(FinanceFile, LargestCountsReadWithoutHarm) {
    std::vector<uint8_t> bytes = {0, 255};
    bytes.resize(2 + 4 * 255, 0xFF);
    bytes.push_back(255);
    bytes.resize(bytes.size() + 4 * 255, 0x11);
    MemoryFile in(bytes);
    CFinance account;
    ASSERT_TRUE(account.Read(in));
    EXPECT_EQ(account.FigureCount(), 255u);
    EXPECT_EQ(account.TransactionCount(), 255u);
    EXPECT_EQ(Bytes(account), bytes);
}
