#include "app/fetch/HostProbe.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace app {

namespace {

constexpr std::size_t kLongestHostName = 249;

std::string FirstIpv4(const std::string& host) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* list = nullptr;
  if (::getaddrinfo(host.c_str(), nullptr, &hints, &list) != 0) return {};
  std::string address;
  for (const addrinfo* a = list; a; a = a->ai_next) {
    if (a->ai_family != AF_INET) continue;
    char text[INET_ADDRSTRLEN] = {};
    const auto* in = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
    if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text)) {
      address = text;
      break;
    }
  }
  ::freeaddrinfo(list);
  return address;
}

// The answer of a lookup that runs on a thread of its own, so that the
// caller can stop waiting for a name server that does not answer.
struct Lookup {
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  std::string address;
};

}  // namespace

std::string ResolveHost(const std::string& host, const std::atomic<bool>* stop) {
  if (host.empty() || host.size() > kLongestHostName) return {};
  if (!stop) return FirstIpv4(host);
  auto lookup = std::make_shared<Lookup>();
  try {
    std::thread([lookup, host] {
      std::string address = FirstIpv4(host);
      std::lock_guard lock(lookup->mutex);
      lookup->address = std::move(address);
      lookup->finished = true;
      lookup->done.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    return FirstIpv4(host);
  }
  std::unique_lock lock(lookup->mutex);
  while (!lookup->finished) {
    if (stop->load()) return {};
    lookup->done.wait_for(lock, std::chrono::milliseconds(20));
  }
  return lookup->address;
}

int ProbeInternet(const HostResolver& resolve, const std::string& makerHost, const std::string& publicHost) {
  if (!resolve(makerHost).empty()) return 2;
  if (!resolve(publicHost).empty()) return 1;
  return 0;
}

}  // namespace app
