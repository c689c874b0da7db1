#pragma once
// Whether the internet can be reached, told by name resolution alone: the
// maker's web host, else a well-known public host.
#include <atomic>
#include <functional>
#include <string>

namespace app {

// The first IPv4 address of `host` in dotted form ("192.0.2.7"); "" when
// the name has none, cannot be resolved or is longer than 249 characters.
// While `stop` turns true the call returns "" at once; the lookup then ends
// on its own and its answer is dropped.
std::string ResolveHost(const std::string& host, const std::atomic<bool>* stop = nullptr);

using HostResolver = std::function<std::string(const std::string& host)>;

// 2 when the maker's host resolves, else 1 when the public host does, else
// 0.
int ProbeInternet(const HostResolver& resolve, const std::string& makerHost, const std::string& publicHost);

}  // namespace app
