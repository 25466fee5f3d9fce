#include "SimErrorQueue.h"

#include <utility>

SimErrorQueue::SimErrorQueue(std::string standingError) : standing_(std::move(standingError)) {}

void SimErrorQueue::Push(const std::string& error)
{
    if (queued_.size() < kCapacity)
        queued_.push_back(error);
}

std::string SimErrorQueue::Pop(const std::string& noError)
{
    if (queued_.empty())
        return standing_.empty() ? noError : standing_;
    std::string error = queued_.front();
    queued_.pop_front();
    return error;
}
