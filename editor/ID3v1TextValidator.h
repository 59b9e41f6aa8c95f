#pragma once

#include <QValidator>

// Accepts only text an ID3v1 block can hold: a box refuses a character it could not save, as
// it refuses one past its length, so what is saved is what the box shows.
class ID3v1TextValidator final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
