// The analyzer's error queue. Besides the errors its commands raise, it may carry a standing
// error that an environment variable injects: a fault the analyzer keeps reporting, which
// reading the queue does not remove.
#pragma once

#include <deque>
#include <string>

class SimErrorQueue {
public:
    // The queue keeps at most this many errors; later ones are lost until it is read.
    static constexpr std::size_t kCapacity = 20;

    explicit SimErrorQueue(std::string standingError);

    void Push(const std::string& error);
    bool HasError() const { return !queued_.empty() || !standing_.empty(); }
    // The oldest queued error, removed from the queue; when none is queued, the standing
    // error; when there is none either, noError.
    std::string Pop(const std::string& noError);
    // Empties the queue; the standing error stays.
    void Clear() { queued_.clear(); }

private:
    std::deque<std::string> queued_;
    std::string standing_;
};
