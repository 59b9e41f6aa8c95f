#include "editor/ID3v1TextValidator.h"

#include "track/ID3TagBlock.h"

#include <algorithm>

QValidator::State ID3v1TextValidator::validate(QString &input, int &) const
{
    return std::ranges::all_of(input, &ID3TagBlock::canHold) ? Acceptable : Invalid;
}
