#include "printerlink/PortHandles.h"

#include <map>
#include <mutex>

namespace printerlink {
namespace {

struct Table {
  std::mutex mutex;
  std::map<int, std::unique_ptr<platform::SerialTransport>> ports;
  int next = 1;
};

Table& Handles() {
  static Table table;
  return table;
}

}  // namespace

int AttachPort(std::unique_ptr<platform::SerialTransport> port) {
  Table& t = Handles();
  std::lock_guard<std::mutex> lock(t.mutex);
  // Handles are not reused soon, so a stale copy of a closed handle finds
  // nothing instead of another port.
  while (t.next <= 0 || t.ports.count(t.next)) t.next = t.next <= 0 ? 1 : t.next + 1;
  int handle = t.next++;
  t.ports[handle] = std::move(port);
  return handle;
}

platform::SerialTransport* PortFor(int handle) {
  Table& t = Handles();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.ports.find(handle);
  return it == t.ports.end() ? nullptr : it->second.get();
}

std::unique_ptr<platform::SerialTransport> DetachPort(int handle) {
  Table& t = Handles();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.ports.find(handle);
  if (it == t.ports.end()) return nullptr;
  auto port = std::move(it->second);
  t.ports.erase(it);
  return port;
}

void CancelAllPorts() {
  Table& t = Handles();
  // Under the table's lock a port cannot be detached and destroyed meanwhile.
  std::lock_guard<std::mutex> lock(t.mutex);
  for (auto& [handle, port] : t.ports) port->Cancel();
}

}  // namespace printerlink
