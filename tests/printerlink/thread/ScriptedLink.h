#pragma once
// A printer for the thread's command functions without a line: replies by
// command (a reply given for a prefix of the command serves every command
// beginning with it), link failures for the commands listed, and the
// commands in the order asked.
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "printerlink/thread/CommandLink.h"

namespace threadtest {

class ScriptedLink final : public printerthread::CommandLink {
 public:
  // Replies for exact commands win over prefix replies.
  void Reply(const std::string& command, const std::string& reply) { replies_[command] = reply; }
  void ReplyPrefix(const std::string& prefix, const std::string& reply) { prefixReplies_[prefix] = reply; }
  // Replies given one after the other for `command`, then the usual one.
  void ReplySequence(const std::string& command, std::vector<std::string> replies) {
    sequences_[command] = std::move(replies);
  }
  void Fail(const std::string& command) { failures_.insert(command); }
  void Heal(const std::string& command) { failures_.erase(command); }
  // Every command not scripted: this reply ("" is "accepted").
  void Otherwise(std::optional<std::string> reply) { otherwise_ = std::move(reply); }
  // Called before each exchange, for example to look at the port lock.
  std::function<void(const std::string&)> onExchange;

  std::vector<std::string> commands;
  std::vector<std::size_t> capacities;

  int Exchange(std::string_view command, std::string& reply, std::uint32_t, std::size_t capacity) override {
    std::string c(command);
    commands.push_back(c);
    capacities.push_back(capacity);
    if (onExchange) onExchange(c);
    reply.clear();
    if (failures_.count(c)) return -2;
    if (auto s = sequences_.find(c); s != sequences_.end() && !s->second.empty()) {
      reply = s->second.front();
      s->second.erase(s->second.begin());
      return 0;
    }
    if (auto r = replies_.find(c); r != replies_.end()) {
      reply = r->second;
      return 0;
    }
    std::string best;
    for (const auto& [prefix, text] : prefixReplies_)
      if (c.compare(0, prefix.size(), prefix) == 0 && prefix.size() >= best.size()) {
        best = prefix;
        reply = text;
      }
    if (!best.empty()) return 0;
    if (otherwise_) {
      reply = *otherwise_;
      return 0;
    }
    return -2;
  }

  // The commands asked since the last call.
  std::vector<std::string> TakeCommands() {
    std::vector<std::string> taken;
    taken.swap(commands);
    capacities.clear();
    return taken;
  }

 private:
  std::map<std::string, std::string> replies_, prefixReplies_;
  std::map<std::string, std::vector<std::string>> sequences_;
  std::set<std::string> failures_;
  std::optional<std::string> otherwise_;
};

}  // namespace threadtest
