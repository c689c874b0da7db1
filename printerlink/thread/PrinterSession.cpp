#include "printerlink/thread/PrinterSession.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Clock.h"
#include "platform/Synchronize.h"
#include "printerlink/HexText.h"
#include "printerlink/PortIo.h"
#include "printerlink/PortState.h"
#include "printerlink/thread/ReplyScan.h"

namespace printerthread {

PrinterSession::PrinterSession(CommandLink& link, PrinterMessenger* messenger, std::function<bool()> terminated)
    : link_(link),
      messenger_(messenger),
      terminated_(std::move(terminated)),
      retired_(std::make_shared<std::atomic<bool>>(false)) {}

PrinterSession::~PrinterSession() { Retire(); }

int PrinterSession::Exchange(std::string_view command, std::string& reply, std::uint32_t t,
                             std::size_t capacity) {
  reply.clear();
  // Longer commands do not fit the command buffer: they are not sent.
  if (command.size() > kMaxThreadCommand) return -1;
  return link_.Exchange(command, reply, t, capacity);
}

int PrinterSession::AskPrinter(std::string_view command, std::string& reply, std::uint32_t t) {
  if (Exchange(command, reply, t, printerlink::kLargeReplyBufferSize) != 0) {
    reply = kNoConnectionText;
    return -1;
  }
  return printerlink::IsRefusal(reply) ? 0 : 1;
}

int PrinterSession::SendChecked(std::string_view command, std::uint32_t t) {
  std::string reply;
  if (Exchange(command, reply, t, printerlink::kLargeReplyBufferSize) != 0) {
    FailStep(t);
    return -1;
  }
  if (printerlink::IsRefusal(reply)) {
    Exchange("STATUS 40 ZAMFI", reply, t, printerlink::kLargeReplyBufferSize);
    BoxText = MessageText::Of(CatalogueText::DoneFailed);
    BoxLine2 = MessageText::Of(CatalogueText::PrinterNoSupport);
    ShowNotSupported();
    return 0;
  }
  return 1;
}

void PrinterSession::FailStep(std::uint32_t t) {
  std::string reply;
  Exchange("STATUS 40 ZAMFI", reply, t, printerlink::kLargeReplyBufferSize);
  BoxText = MessageText::Of(CatalogueText::DoneFailed);
  ShowFailure();
}

void PrinterSession::SendQuiet(std::string_view command) {
  std::string reply;
  Exchange(command, reply, kCommandMs, printerlink::kLargeReplyBufferSize);
}

void PrinterSession::EndTransfer(CatalogueText text, bool failed) {
  SendQuiet("STATUS 40 ZAMFI");
  BoxText = MessageText::Of(text);
  if (failed)
    ShowFailure();
  else
    ShowSuccess();
}

int PrinterSession::WaitForLevel(int level, std::uint32_t limit) {
  int result = 0;
  for (std::uint32_t i = 0;; ++i) {
    std::string reply;
    std::optional<std::array<int, 3>> status;
    if (Exchange("STATUS", reply, kCommandMs, printerlink::kReplyBufferSize) == 0 &&
        !printerlink::IsRefusal(reply))
      status = ScanIntegers<3>(reply);
    if (!status) {
      result = -1;
      break;
    }
    if ((*status)[0] == level) return 1;
    if (i >= limit / 100) {
      result = 0;
      break;
    }
    platform::SleepMs(100);
  }
  std::string reply;
  Exchange("STATUS 40 ZAMFI", reply, limit, printerlink::kLargeReplyBufferSize);
  BoxText = MessageText::Fixed(kLevelFailedText);
  ShowFailure();
  return result;
}

Reply PrinterSession::Query(std::string_view command) {
  Reply r;
  if (Exchange(command, r.text, kCommandMs, printerlink::kReplyBufferSize) != 0) {
    r.kind = Reply::Kind::LinkFailure;
    r.text.clear();
  } else {
    r.kind = printerlink::IsRefusal(r.text) ? Reply::Kind::Refused : Reply::Kind::Ok;
  }
  return r;
}

bool PrinterSession::RaiseToSettingsLevel(const std::string& title) {
  BoxTitle = title;
  BoxText = MessageText::Of(CatalogueText::Transferring);
  ShowBusyMessage();
  Sleep(1000);
  return EnterSettingsLevel();
}

bool PrinterSession::EnterSettingsLevel() {
  if (SendChecked("ENABLE 0", kCommandMs) != 1) return false;
  if (SendChecked("STATUS 30 ZAMFI", kCommandMs) != 1) return false;
  return WaitForLevel(30, 5000) == 1;
}

bool PrinterSession::RunSettingSequence(const std::string& title, const std::vector<SettingStep>& steps,
                                        BracketEnd end) {
  if (!RaiseToSettingsLevel(title)) return false;
  bool ok = true;
  for (const SettingStep& step : steps) {
    if (step.action) {
      if (step.action()) continue;
      FailStep(kCommandMs);
      ok = false;
      break;
    }
    if (SendChecked(step.command, step.t) != 1) {
      ok = false;
      break;
    }
  }
  if (!ok && end != BracketEnd::ResetAlways) return false;
  if (end == BracketEnd::Stop) {
    if (SendChecked("STATUS 40 ZAMFI", kCommandMs) != 1) return false;
  } else {
    if (SendChecked("RESET", kCommandMs) != 1) return false;
    Sleep(2000);
  }
  CloseMessage();
  return ok;
}

void PrinterSession::Show(BoxKind kind) {
  PrinterBox box{kind, BoxTitle, BoxText, kind == BoxKind::NotSupported ? BoxLine2 : MessageText{}};
  Synchronize([&] {
    if (messenger_) messenger_->ShowMessage(box);
  });
}

void PrinterSession::ShowBusyMessage() { Show(BoxKind::Busy); }
void PrinterSession::ShowSuccess() { Show(BoxKind::Success); }
void PrinterSession::ShowFailure() { Show(BoxKind::Failure); }
void PrinterSession::ShowNotSupported() { Show(BoxKind::NotSupported); }
void PrinterSession::ShowNotice() { Show(BoxKind::Notice); }

void PrinterSession::CloseMessage() {
  Synchronize([&] {
    if (messenger_) messenger_->CloseMessage();
  });
}

void PrinterSession::Synchronize(const std::function<void()>& step) {
  // The GUI thread may be about to take the port lock; waiting for it under
  // the lock could hold both threads up. Progress under the lock is posted.
  if (printerlink::ComLockHeldHere())
    throw std::logic_error("a step that waits for the GUI thread was started under the port lock");
  platform::Synchronize([&] {
    if (!Terminated()) step();
  });
}

void PrinterSession::Post(std::function<void()> step) {
  platform::Queue([retired = retired_, step = std::move(step)] {
    if (!retired->load()) step();
  });
}

void PrinterSession::Sleep(std::uint32_t ms) {
  while (ms > 0 && !Terminated()) {
    const std::uint32_t part = std::min<std::uint32_t>(ms, 100);
    platform::SleepMs(part);
    ms -= part;
  }
}

}  // namespace printerthread
