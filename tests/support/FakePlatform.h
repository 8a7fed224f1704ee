#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "scoring/Platform.h"

namespace courtlog::testing {

// Thrown where the real program would end, so a test can see that it ended.
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("program ended") {}
};

// A platform that records what the program showed and answers what the test scripted.
// Unscripted questions get the answer a user pressing Enter would give.
class FakePlatform : public Platform {
public:
    struct Message {
        std::string text;
        MsgButtons buttons;
        std::string title;
    };
    struct Residual {
        int residualPoints;
        bool offerInsert;
    };

    std::vector<Message> messages;
    std::vector<Residual> residualQuestions;
    std::vector<std::string> inputPrompts;

    std::deque<MsgAnswer> messageAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<ResidualAnswer> residualAnswers;

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons,
                         const std::string& title) override {
        messages.push_back({text, buttons, title.empty() ? kAppTitle : title});
        if (!messageAnswers.empty()) {
            const MsgAnswer a = messageAnswers.front();
            messageAnswers.pop_front();
            return a;
        }
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }

    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        inputPrompts.push_back(prompt + "|" + title + "|" + defaultText);
        if (inputAnswers.empty()) {
            return defaultText;
        }
        std::string a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }

    ResidualAnswer askResidualPoints(int residualPoints, bool offerInsert) override {
        residualQuestions.push_back({residualPoints, offerInsert});
        if (residualAnswers.empty()) {
            return ResidualAnswer::Overwrite;
        }
        const ResidualAnswer a = residualAnswers.front();
        residualAnswers.pop_front();
        return a;
    }

protected:
    void exitProgram() override { throw ProgramEnded(); }
};

}  // namespace courtlog::testing
