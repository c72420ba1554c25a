#include "screens/ContractOfferDlg.h"

#include <algorithm>

bool CContractOfferDlg::Open(int32_t& /*factor*/, int32_t& kind) {
    kind_ = kind;
    accepted_ = false;
    // With no term that matters to the other side there is nothing to offer.
    if (std::none_of(interest.begin(), interest.end(), [](int32_t i) { return i > 0; }))
        return false;
    return CurrentModalRunner().Run(*this) && accepted_;
}

ModalRecord CContractOfferDlg::Describe() const {
    ModalRecord r;
    r.kind = "contract offer";
    r.title = title;
    r.extra = kind_;
    r.choiceLabels = {"refuse", "accept"};
    return r;
}

void CContractOfferDlg::Accept(const ModalAnswer& answer) {
    accepted_ = answer.ok && answer.choice == kAcceptChoice;
}
