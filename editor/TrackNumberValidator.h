#pragma once

#include <QValidator>

// Accepts only digits of a number no greater than the maximum, the track numbers the tag
// being edited can hold; an empty box is no track.
class TrackNumberValidator final : public QValidator
{
public:
    using QValidator::QValidator;
    void setMaximum(int maximum) { m_maximum = maximum; }
    State validate(QString &input, int &position) const override;

private:
    int m_maximum = 0;
};
