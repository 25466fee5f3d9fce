// What the NI and SICL cards share about one transfer: the 1024-byte limit each way, the
// refusal of a longer command, and the reply made of the received bytes.
#pragma once

#include <cstddef>
#include <string>

inline constexpr std::size_t GpibTransferLimit = 1024;

// The command as the error messages show it: in double quotes.
inline std::string Quoted(const std::string& command) { return "\"" + command + "\""; }

// Raises EGpibException when command is longer than GpibTransferLimit: heading, then
// "Buffer Overflow = " and the length, then the command in double quotes, one a line.
void RefuseOverlongCommand(const std::string& heading, const std::string& command);

// The reply in the first count received bytes: the last byte (the analyzer's line-feed
// terminator) is dropped, and the reply ends early at a zero byte. A count outside
// 0..GpibTransferLimit is brought into it.
std::string ReceivedReply(const char* bytes, long long count);
