#pragma once

#include "platform/Services.h"

#include <QStringList>

#include <deque>

// Seams for window tests: errors are recorded, file dialogs answer from a
// queue (an empty queue cancels), addresses are recorded instead of opened,
// confirmation boxes answer from a queue (an empty queue says No).
class RecordingServices final : public bitloom::ErrorReporter,
                                public bitloom::FileDialogs,
                                public bitloom::UrlLauncher,
                                public bitloom::Confirmer {
public:
    void ShowError(const QString& text) override { errors.append(text); }

    std::optional<QString> OpenFileName(QWidget*, const bitloom::FileDialogRequest& request) override
    {
        return Answer(request);
    }
    std::optional<QString> SaveFileName(QWidget*, const bitloom::FileDialogRequest& request) override
    {
        return Answer(request);
    }
    void Open(const QString& address) override { opened.append(address); }
    bool Confirm(const QString& text) override
    {
        questions.append(text);
        if (confirmAnswers.empty())
            return false;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }

    bitloom::Services services{*this, *this, *this, *this};
    QStringList errors;
    QStringList opened;
    std::deque<std::optional<QString>> fileAnswers;
    std::vector<bitloom::FileDialogRequest> fileRequests;
    // Confirmation boxes: the questions asked, and the answers to give (an empty queue says No).
    QStringList questions;
    std::deque<bool> confirmAnswers;

private:
    std::optional<QString> Answer(const bitloom::FileDialogRequest& request)
    {
        fileRequests.push_back(request);
        if (fileAnswers.empty())
            return std::nullopt;
        // Taken apart rather than copied whole: g++ 12 misreads a copied
        // optional<QString> as maybe uninitialised.
        const bool cancelled = !fileAnswers.front().has_value();
        const QString text = cancelled ? QString() : *fileAnswers.front();
        fileAnswers.pop_front();
        if (cancelled)
            return std::nullopt;
        return text;
    }
};
