#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/ModalRunner.h"

// The contracts that the user negotiates by hand.
enum ContractOfferKind : int32_t {
    kSponsorOffer = 0,
    kArenaSponsorOffer = 1,
    kManagerContract = 2,
    kStaffClaim = 3,
    kPlayerContract = 4,
};

constexpr int kContractTermCount = 9;

// The dialog in which the user offers a contract and the other side takes
// or refuses it. The negotiation itself is not built yet: the other side
// refuses every offer unless the dialog runner answers with the accept
// choice (as tests script it).
class CContractOfferDlg : public ModalDialog {
public:
    static constexpr int kAcceptChoice = 1;

    // factor: the other side's patience in per mille. True when the offer
    // was accepted; the caller then reads the terms back.
    bool Open(int32_t& factor, int32_t& kind);

    ModalRecord Describe() const override;
    void Accept(const ModalAnswer& answer) override;

    std::string title;
    std::array<int32_t, kContractTermCount> terms{};
    std::array<int32_t, kContractTermCount> interest{};  // per term, 0 = none

private:
    int32_t kind_ = kSponsorOffer;
    bool accepted_ = false;
};
