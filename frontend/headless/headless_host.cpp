#include "frontend/headless/headless_host.h"

#include "frontend/headless/quoted_text.h"

HeadlessHost::HeadlessHost(std::ostream& out) : out_(out) {}

void HeadlessHost::RunModalLoop(Dialog& dialog) {
    if (loop_) loop_(dialog);
}

int HeadlessHost::ShowMessageBox(HWND, const std::string& text, const std::string&, UINT) {
    out_ << "message: " << text << "\n";
    out_.flush();
    return IDOK;
}

std::optional<std::string> HeadlessHost::ChooseOpenFile(const OpenFileRequest& request) {
    std::optional<std::string> answer;
    if (!fileAnswers_.empty()) {
        answer = fileAnswers_.front();
        fileAnswers_.pop_front();
    }
    out_ << "open-file " << QuoteText(request.title) << ": "
         << (answer ? QuoteText(*answer) : "cancelled") << "\n";
    return answer;
}

void HeadlessHost::WaitCursorChanged(bool busy) {
    busy_ = busy;
    busyChanges_.push_back(busy);
}

void HeadlessHost::QueueFileAnswer(std::optional<std::string> path) {
    fileAnswers_.push_back(std::move(path));
}
