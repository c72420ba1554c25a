#include "platform/HeadlessModalRunner.h"

bool HeadlessModalRunner::Run(ModalDialog& dialog) {
    records_.push_back(dialog.Describe());
    ModalAnswer answer = defaultAnswer_;
    if (!script_.empty()) {
        answer = std::move(script_.front());
        script_.pop_front();
    }
    dialog.Accept(answer);
    return answer.ok;
}

void HeadlessModalRunner::ShowModeless(ModalDialog& dialog) {
    ModalRecord record = dialog.Describe();
    record.modeless = true;
    records_.push_back(std::move(record));
}
