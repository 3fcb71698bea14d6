#pragma once

#include <QValidator>

namespace bitloom {

// Limits what can be typed into an edit box. Text the program puts there may
// be longer and stays whole, which QLineEdit::setMaxLength would cut.
class LengthLimit final : public QValidator {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LengthLimit)

public:
    LengthLimit(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}

    State validate(QString& input, int&) const override
    {
        return input.size() <= maxLength_ ? Acceptable : Invalid;
    }

private:
    int maxLength_;
};

} // namespace bitloom
