#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>

// The next scripted answer or step, or otherwise, with a failure, when the script has none left.
template <typename Scripted> Scripted takeNext(std::deque<Scripted> &queue, const std::string &what, Scripted otherwise)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return otherwise;
    }
    Scripted next = std::move(queue.front());
    queue.pop_front();
    return next;
}
