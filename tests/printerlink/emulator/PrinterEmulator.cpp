#include "PrinterEmulator.h"

#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include "platform/NumberText.h"
#include "printerlink/ControlBytes.h"
#include "printerlink/DataCharacters.h"
#include "printerlink/HexText.h"
#include "platform/LinkChecksum.h"
#include "printerlink/TransferCommand.h"

namespace printeremu {

using platform::Hex8;
using printerlink::ParseHex32;
using printerlink::ParseUnsigned;
using printerlink::UpperPrinterName;

namespace {

constexpr std::size_t kMaxLine = 4096;
constexpr const char* kNoise = "\x15\x7f#?noise\r\n";

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::string Keyword(const std::string& command) { return command.substr(0, command.find(' ')); }

// The argument text of a checksummed command: between the keyword's blank
// and the blank before the command checksum.
std::string ChecksummedArgs(const std::string& command) {
  std::size_t first = command.find(' ');
  std::size_t last = command.rfind(' ');
  if (first == std::string::npos || last <= first) return "";
  return command.substr(first + 1, last - first - 1);
}

}  // namespace

PrinterEmulator::PrinterEmulator(EmulatorOptions options)
    : options_(options), boot_(options.eraseMs), settings_(options.cliWord), state_(options.state) {}

PrinterEmulator::~PrinterEmulator() { Stop(); }

platform::Status PrinterEmulator::Start() {
  auto opened = pty_.Open();
  if (!opened) return opened;
  if (::pipe(wake_) != 0) return platform::Status::Fail("pipe failed");
  if (!options_.linkPath.empty()) {
    // A link left by an emulator that was killed goes; a real device never.
    const char* link = options_.linkPath.c_str();
    struct stat st {};
    if (::lstat(link, &st) == 0 && S_ISLNK(st.st_mode)) ::unlink(link);
    if (::symlink(DevicePath().c_str(), link) != 0)
      return platform::Status::Fail(options_.linkPath + ": " + std::strerror(errno));
  }
  inBootLoader_ = options_.startInBootLoader;
  thread_ = std::thread(&PrinterEmulator::Run, this);
  return platform::Status::Ok();
}

void PrinterEmulator::Stop() {
  if (thread_.joinable()) {
    char b = 1;
    (void)!::write(wake_[1], &b, 1);
    thread_.join();
  }
  for (int& fd : wake_)
    if (fd >= 0) {
      ::close(fd);
      fd = -1;
    }
  // The device goes with the emulator.
  if (!options_.linkPath.empty()) HangUp();
}

void PrinterEmulator::Unplug() {
  Stop();
  HangUp();
}

void PrinterEmulator::HangUp() {
  if (!options_.linkPath.empty()) {
    // Another emulator may have taken the name meanwhile: its link stays.
    char target[256];
    const ssize_t n = ::readlink(options_.linkPath.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == DevicePath()) ::unlink(options_.linkPath.c_str());
  }
  // The name is gone before the line: the PC that sees the hang-up and
  // searches again does not meet a reused terminal under it.
  unplugged_ = true;
  pty_.Close();
}

// ---- what tests see and set ----

void PrinterEmulator::PutFile(const std::string& name, const std::string& bytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  files_[UpperPrinterName(name)] = bytes;
}

std::optional<std::string> PrinterEmulator::File(const std::string& name) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = files_.find(UpperPrinterName(name));
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

void PrinterEmulator::RemoveFile(const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  files_.erase(UpperPrinterName(name));
}

std::vector<std::string> PrinterEmulator::FileNames() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> names;
  for (const auto& [name, data] : files_) names.push_back(name);
  return names;
}

void PrinterEmulator::SetSetting(const std::string& key, const std::string& value) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (key == "RTC") clockFixed_ = true;
  if (key == "OPTION.D0216.ZEILE 1") line1Fixed_ = true;
  settings_.Set(key, value);
}

std::optional<std::string> PrinterEmulator::Setting(const std::string& key) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return settings_.Get(key);
}

int PrinterEmulator::State() const {
  std::lock_guard<std::mutex> lock(mutex_);
  const_cast<PrinterEmulator*>(this)->ApplyPendingLevel(false);
  return state_;
}

bool PrinterEmulator::LevelPending() const {
  std::lock_guard<std::mutex> lock(mutex_);
  const_cast<PrinterEmulator*>(this)->ApplyPendingLevel(false);
  return pending_.has_value();
}

void PrinterEmulator::SetState(int state, int errorCode) {
  std::lock_guard<std::mutex> lock(mutex_);
  state_ = state;
  errorCode_ = errorCode;
  pending_.reset();
}

void PrinterEmulator::AddFault(const Fault& fault) {
  std::lock_guard<std::mutex> lock(mutex_);
  faults_.push_back(fault);
}

void PrinterEmulator::AddBootFault(const BootFault& fault) {
  std::lock_guard<std::mutex> lock(mutex_);
  bootFaults_.push_back(fault);
}

void PrinterEmulator::ClearFaults() {
  std::lock_guard<std::mutex> lock(mutex_);
  faults_.clear();
  bootFaults_.clear();
}

std::vector<TranscriptEntry> PrinterEmulator::Transcript() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return transcript_;
}

std::vector<std::string> PrinterEmulator::Commands() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> lines;
  for (const auto& e : transcript_)
    if (e.kind == EntryKind::Command) lines.push_back(e.text);
  return lines;
}

void PrinterEmulator::ClearTranscript() {
  std::lock_guard<std::mutex> lock(mutex_);
  transcript_.clear();
}

bool PrinterEmulator::WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// ---- the printer ----

void PrinterEmulator::Record(EntryKind kind, std::string text) {
  std::lock_guard<std::mutex> lock(mutex_);
  transcript_.push_back({kind, std::move(text)});
}

std::optional<Fault> PrinterEmulator::TakeFault(const std::string& command, FaultPoint point) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::optional<Fault> hit;
  for (auto& f : faults_) {
    if (f.times == 0 || f.point != point || (!f.command.empty() && f.command != command)) continue;
    if (f.skip > 0) {
      --f.skip;
      continue;
    }
    if (hit) continue;
    hit = f;
    if (f.times > 0) --f.times;
  }
  return hit;
}

std::optional<BootFaultKind> PrinterEmulator::TakeBootFault(std::uint8_t command, int ack) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& f : bootFaults_) {
    if (f.times == 0 || f.command != command || f.ack != ack) continue;
    if (f.skip > 0) {
      --f.skip;
      continue;
    }
    if (f.times > 0) --f.times;
    return f.kind;
  }
  return std::nullopt;
}

void PrinterEmulator::ApplyPendingLevel(bool poll) {
  if (!pending_) return;
  if (poll && pending_->polls > 0) --pending_->polls;
  if (pending_->polls <= 0 && std::chrono::steady_clock::now() >= pending_->due) {
    state_ = pending_->target;
    pending_.reset();
  }
}

void PrinterEmulator::MoveLevel(int (*next)(int level)) {
  if (options_.commandLevelDelayMs <= 0) {
    state_ = next(state_);
    return;
  }
  ApplyPendingLevel(false);  // a change that is due has happened by now
  const int heading = pending_ ? pending_->target : state_;
  const int target = next(heading);
  if (target == heading) return;
  if (target == state_) {
    pending_.reset();
    return;
  }
  pending_ = PendingLevel{target,
                          std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.commandLevelDelayMs), 0};
}

void PrinterEmulator::AdvanceCounter() {
  // One print a second while printing.
  const auto now = std::chrono::steady_clock::now();
  if (state_ != 50) {
    counted_ = now;
    return;
  }
  const auto prints = std::chrono::duration_cast<std::chrono::seconds>(now - counted_).count();
  if (prints <= 0) return;
  counted_ += std::chrono::seconds(prints);
  const auto fields = Words(settings_.Get("COUNTER").value_or("1 0"));
  auto increment = fields.size() > 0 ? ParseUnsigned(fields[0]) : std::nullopt;
  auto count = fields.size() > 1 ? ParseUnsigned(fields[1]) : std::nullopt;
  if (!increment || !count) return;
  settings_.SetField("COUNTER", 1, std::to_string(*count + *increment * static_cast<std::uint32_t>(prints)));
}

std::string PrinterEmulator::DisplayLine1() const {
  static const char* const kNames[] = {"Aus", "Standby", "Aufstarten", "PC", "Stop", "Drucken", "Pause", "FL",
                                       "Fehler"};
  std::string name = state_ >= 0 && state_ <= 80 && state_ % 10 == 0 ? kNames[state_ / 10] : "?";
  if (state_ == 80) name += " " + std::to_string(errorCode_);
  name.resize(18, ' ');
  return name;
}

void PrinterEmulator::AbortDownload() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!staged_) return;
  // A download the PC gave up on leaves the file as it was before.
  if (staged_->before)
    files_[staged_->name] = *staged_->before;
  else
    files_.erase(staged_->name);
  staged_.reset();
}

void PrinterEmulator::Run() {
  // Pacing sleeps a few hundred microseconds at a time; the default timer
  // slack of 50 us per sleep would slow the emulated line down measurably.
  ::prctl(PR_SET_TIMERSLACK, 1000UL);
  Channel line(pty_.Master(), wake_[0], options_.pacedBaud);
  if (options_.checkFraming)
    line.SetInputCheck([this](std::size_t n) {
      auto f = pty_.SlaveFraming();
      auto parity = inBootLoader_ ? platform::Parity::Even : platform::Parity::None;
      if (f.baud == 115200 && f.dataBits == 8 && f.parity == parity) return true;
      Record(EntryKind::Garbled, std::to_string(n) + " bytes");
      return false;
    });
  BootLoader::Hooks hooks{[this](std::uint8_t c, int ack) { return TakeBootFault(c, ack); },
                          [this](const std::string& text) { Record(EntryKind::Boot, text); }};
  try {
    for (;;) {
      if (inBootLoader_) {
        // The boot loader's line carries a parity bit: 8E1.
        line.SetCharacterBits(11);
        boot_.Run(line, hooks);
        line.SetCharacterBits(10);
        // Go: the new firmware starts.
        {
          std::lock_guard<std::mutex> lock(mutex_);
          state_ = settings_.Get("STARTUP") == "1" ? 50 : 40;
          pending_.reset();
        }
        inBootLoader_ = false;
        line.SetFlowControl(true);
        continue;
      }
      if (auto command = ReadLine(line)) Handle(line, *command);
    }
  } catch (const StopRequested&) {
  } catch (const LineDead&) {
    HangUp();
  }
}

std::optional<std::string> PrinterEmulator::ReadLine(Channel& line) {
  std::string text;
  bool overlong = false;
  for (;;) {
    std::uint8_t b = *line.Read(-1);
    if (b == printerlink::kEot) {
      Record(EntryKind::Control, "EOT");
      AbortDownload();
      continue;
    }
    if (b == printerlink::kCr) break;
    if (b == '\n') continue;
    if (text.size() >= kMaxLine)
      overlong = true;
    else
      text.push_back(static_cast<char>(b));
  }
  if (!overlong) return text;
  Record(EntryKind::Command, text.substr(0, 64) + "...");
  SendReply(line, "Fehler Syntax", std::nullopt);
  return std::nullopt;
}

void PrinterEmulator::SendReply(Channel& line, const std::string& text, const std::optional<Fault>& fault,
                                bool blank) {
  std::string body = text;
  bool etx = true;
  std::string before;
  int pause = 0;
  if (fault) {
    switch (fault->action) {
      case FaultAction::Reply:
        body = fault->text;
        Record(EntryKind::Fault, "reply " + fault->text);
        break;
      case FaultAction::Silence:
        Record(EntryKind::Fault, "silence");
        return;
      case FaultAction::MissingEtx:
        etx = false;
        Record(EntryKind::Fault, "missing ETX");
        break;
      case FaultAction::JunkBeforeStx:
        before = fault->text.empty() ? kNoise : fault->text;
        Record(EntryKind::Fault, "junk before STX");
        break;
      case FaultAction::Delay:
        Record(EntryKind::Fault, "delay " + std::to_string(fault->ms) + " ms");
        line.Sleep(fault->ms);
        break;
      case FaultAction::XoffPause:
        Record(EntryKind::Fault, "xoff pause " + std::to_string(fault->ms) + " ms");
        Record(EntryKind::Control, "XOFF");
        line.Write(printerlink::kXoff);
        pause = fault->ms;
        break;
      case FaultAction::HangUp:
        Record(EntryKind::Fault, "hang-up");
        throw LineDead{};
      case FaultAction::WrongChecksum:
      case FaultAction::CountOffset:
        break;  // applied to the text by the caller
    }
  }
  std::string frame = before;
  frame.push_back(static_cast<char>(printerlink::kStx));
  if (blank) frame.push_back(' ');
  frame += body;
  if (etx) frame.push_back(static_cast<char>(printerlink::kEtx));
  Record(EntryKind::Reply, body);
  line.Write(frame);
  if (pause > 0) {
    line.Sleep(pause);
    Record(EntryKind::Control, "XON");
    line.Write(printerlink::kXon);
  }
}

void PrinterEmulator::Handle(Channel& line, const std::string& command) {
  Record(EntryKind::Command, command);
  if (silent_) {
    Record(EntryKind::Fault, "silent");
    return;
  }
  const std::string keyword = Keyword(command);
  if (keyword == "DOWNLOADS") return HandleDownload(line, command);
  if (keyword == "UPLOADS") return HandleUpload(line, command);
  auto fault = TakeFault(keyword, FaultPoint::CommandReply);
  if (fault && fault->Refuses()) return SendReply(line, "", fault);
  bool enterBootLoader = false;
  std::string reply = Execute(command, enterBootLoader);
  SendReply(line, reply, fault);
  if (enterBootLoader) inBootLoader_ = true;
}

std::string PrinterEmulator::Execute(const std::string& command, bool& enterBootLoader) {
  const auto words = Words(command);
  if (words.empty()) return "Fehler Syntax";
  const std::string& keyword = words[0];
  std::lock_guard<std::mutex> lock(mutex_);
  auto fileName = [&](std::size_t i) { return UpperPrinterName(words[i]); };
  AdvanceCounter();

  if (command == "INFO.SYSTEM") return std::to_string(options_.systemId);
  if (keyword == "STATUS") {
    if (words.size() == 1) {
      ApplyPendingLevel(true);
      return std::to_string(state_) + " 0 " + std::to_string(errorCode_);
    }
    auto level = ParseUnsigned(words[1]);
    if (words.size() != 3 || words[2] != "ZAMFI" || !level) return "Fehler 1";
    pending_ = PendingLevel{static_cast<int>(*level),
                            std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.levelDelayMs),
                            options_.levelDelayPolls};
    ApplyPendingLevel(false);
    return "";
  }
  if (command == "ENABLE 0") {
    MoveLevel([](int level) { return level == 50 || level == 60 ? 40 : level; });
    return "";
  }
  if (command == "ENABLE 1") {
    if (state_ == 80) errorCode_ = 0;
    MoveLevel([](int level) { return level == 80 ? 40 : level == 40 ? 50 : level; });
    return "";
  }
  if (command == "STANDBY 1") {
    MoveLevel([](int) { return 10; });
    return "";
  }
  if (command == "STANDBY 0") {
    MoveLevel([](int level) { return level == 10 ? 40 : level; });
    return "";
  }
  if (command == "KONFIG.SAVE") {
    settings_.Save();
    return "";
  }
  if (command == "RESET") {
    // A restart: what was not saved is gone.
    settings_.Restore();
    staged_.reset();
    int powerOn = settings_.Get("STARTUP") == "1" ? 50 : 40;
    pending_.reset();
    if (options_.resetMs > 0) {
      state_ = 20;
      pending_ = PendingLevel{powerOn, std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.resetMs), 0};
    } else {
      state_ = powerOn;
    }
    return "";
  }
  if (command == "RESET.BOOTLOADER") {
    if (state_ != 70) return "Fehler 1";
    enterBootLoader = true;
    return "";
  }
  if (keyword == "CRC" && words.size() == 2) {
    auto it = files_.find(fileName(1));
    return it == files_.end() ? "Fehler 1" : Hex8(platform::Crc32Chain(0, it->second));
  }
  if (keyword == "TYPE" && words.size() == 2) {
    auto it = files_.find(fileName(1));
    return it == files_.end() ? "Fehler 1" : it->second;
  }
  if (keyword == "DEL" && words.size() == 2) return files_.erase(fileName(1)) ? "" : "Fehler 1";
  if (keyword == "REN" && words.size() == 3) {
    auto it = files_.find(fileName(1));
    if (it == files_.end()) return "Fehler 1";
    if (files_.count(fileName(2))) return "Fehler 3";
    files_[fileName(2)] = it->second;
    files_.erase(it);
    return "";
  }
  if (keyword == "MAXDT" && words.size() == 2 && ParseUnsigned(words[1])) {
    settings_.SetField("DT", 1, words[1]);
    return "";
  }
  if (command == "FORMAT") {
    files_.clear();
    return "";
  }
  if (keyword == "OPTION.D0216.BUTTON.PRESS" && words.size() == 2) return "";
  if (keyword == "DPI.INDEX" && words.size() == 2) {
    // The printer prints in the mode its table holds at the chosen index.
    auto mode = settings_.Query("DPI.MODUS " + words[1]);
    if (!mode) return "Fehler 1";
    settings_.Set("DPI.INDEX", words[1]);
    settings_.Set("DPI", *mode);
    return "";
  }
  if (command == "RTC" && !clockFixed_) return clock_.Text();
  if (command == "OPTION.D0216.ZEILE 1" && !line1Fixed_) return DisplayLine1();
  if (keyword == "RTC.TIME" && words.size() == 2) {
    if (clockFixed_) {
      settings_.SetField("RTC", 2, words[1]);
      return "";
    }
    return clock_.SetTime(words[1]) ? "" : "Fehler 1";
  }
  if (keyword == "RTC.DATE" && words.size() == 3) {
    if (clockFixed_) {
      settings_.SetField("RTC", 0, words[1]);
      settings_.SetField("RTC", 1, words[2]);
      return "";
    }
    return clock_.SetDate(words[1]) ? "" : "Fehler 1";
  }
  if (keyword == "COUNTER" && words.size() == 4 && words[2] == "0" && words[3] == "ZAMFI") {
    settings_.Set("COUNTER", words[1] + " 0");
    return "";
  }
  if (auto value = settings_.Query(command)) return *value;
  switch (settings_.Write(command)) {
    case SettingsStore::WriteOutcome::Written: return "";
    case SettingsStore::WriteOutcome::Refused: return "Fehler 1";
    case SettingsStore::WriteOutcome::NoSuchSetting: break;
  }
  return "Fehler Syntax";
}

void PrinterEmulator::HandleDownload(Channel& line, const std::string& command) {
  // DOWNLOADS name offset count blockChecksum t commandChecksum
  const auto words = Words(command);
  std::optional<std::uint32_t> offset, count, blockSum, t, commandSum;
  if (words.size() == 7) {
    offset = ParseUnsigned(words[2]);
    count = ParseUnsigned(words[3]);
    blockSum = ParseHex32(words[4]);
    t = ParseUnsigned(words[5]);
    commandSum = ParseHex32(words[6]);
  }
  const std::string name = words.size() > 1 ? UpperPrinterName(words[1]) : "";
  std::string refusal;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!offset || !count || !blockSum || !t || !commandSum)
      refusal = "Fehler Syntax";
    else if (printerlink::CommandChecksum("DOWNLOADS", ChecksummedArgs(command)) != *commandSum)
      refusal = "Fehler 2";
    else if (*count == 0 || *count > 256)
      refusal = "Fehler 3";
    else if (*offset != 0 && (!staged_ || staged_->name != name || staged_->data.size() != *offset))
      refusal = "Fehler 7";  // the printer lost its place in the file
  }
  auto fault = TakeFault("DOWNLOADS", FaultPoint::CommandReply);
  if (!refusal.empty() || (fault && fault->Refuses())) return SendReply(line, refusal, fault);
  if (*offset == 0) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = files_.find(name);
    staged_ = Staged{name, "", it == files_.end() ? std::nullopt : std::optional<std::string>(it->second)};
  }
  SendReply(line, "", fault);

  // The block's characters, within the PC's own time limit.
  std::string characters;
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(*t);
  std::string reply;
  while (characters.size() < 2 * *count) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    auto b = line.Read(static_cast<int>(std::max<long long>(left.count(), 0)));
    if (!b) {
      reply = "Fehler 5";
      break;
    }
    if (*b == printerlink::kEot) {
      Record(EntryKind::Data, characters);
      Record(EntryKind::Control, "EOT");
      AbortDownload();
      return;
    }
    characters.push_back(static_cast<char>(*b));
  }
  Record(EntryKind::Data, characters);
  std::string bytes;
  if (reply.empty()) {
    for (std::size_t i = 0; i < characters.size(); i += 2) {
      auto first = static_cast<std::uint8_t>(characters[i]), second = static_cast<std::uint8_t>(characters[i + 1]);
      if (!printerlink::IsDataCharacter(first) || !printerlink::IsDataCharacter(second)) reply = "Fehler 6";
      bytes.push_back(static_cast<char>(printerlink::DecodeDataPair(first, second)));
    }
  }
  if (reply.empty() && platform::Crc32Chain(0, bytes) != *blockSum) reply = "Fehler 4";
  auto blockFault = TakeFault("DOWNLOADS", FaultPoint::BlockReply);
  if (reply.empty() && !(blockFault && blockFault->Refuses())) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (staged_) {
      staged_->data += bytes;
      files_[name] = staged_->data;
      NoteDisplayLineFile(name, staged_->data);
    }
  }
  SendReply(line, reply, blockFault);
}

void PrinterEmulator::NoteDisplayLineFile(const std::string& name, const std::string& data) {
  // The display unit reports the set-up of the lines it was given: the
  // content codes of both lines, the behaviour and the pause.
  const bool first = name == "SYSTEM\\D0216F0.SYS";
  if ((!first && name != "SYSTEM\\D0216F1.SYS") || data.size() < 5) return;
  auto byte = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(data[i])); };
  settings_.SetField("OPTION.D0216.FORMAT.ID", first ? 0 : 1, std::to_string(byte(0) | byte(1) << 8));
  settings_.SetField("OPTION.D0216.FORMAT.ID", 2, std::to_string(byte(3)));
  settings_.SetField("OPTION.D0216.FORMAT.ID", 3, std::to_string(byte(4)));
}

void PrinterEmulator::HandleUpload(Channel& line, const std::string& command) {
  // UPLOADS name offset asked t commandChecksum
  const auto words = Words(command);
  std::optional<std::uint32_t> offset, asked, t, commandSum;
  if (words.size() == 6) {
    offset = ParseUnsigned(words[2]);
    asked = ParseUnsigned(words[3]);
    t = ParseUnsigned(words[4]);
    commandSum = ParseHex32(words[5]);
  }
  std::string refusal;
  std::string data;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = words.size() > 1 ? files_.find(UpperPrinterName(words[1])) : files_.end();
    if (!offset || !asked || !t || !commandSum)
      refusal = "Fehler Syntax";
    else if (printerlink::CommandChecksum("UPLOADS", ChecksummedArgs(command)) != *commandSum)
      refusal = "Fehler 2";
    else if (*asked == 0 || *asked > 4096)
      refusal = "Fehler 3";
    else if (it == files_.end())
      refusal = "Fehler 1";
    else if (*offset < it->second.size())
      data = it->second.substr(*offset, *asked);
  }
  auto fault = TakeFault("UPLOADS", FaultPoint::CommandReply);
  if (!refusal.empty() || (fault && fault->Refuses())) return SendReply(line, refusal, fault);
  long announced = static_cast<long>(data.size());
  if (fault && fault->action == FaultAction::CountOffset) {
    announced = std::max(0L, announced + fault->value);
    Record(EntryKind::Fault, "count " + std::to_string(announced) + " for " + std::to_string(data.size()));
  }
  SendReply(line, std::to_string(announced), fault);
  std::string characters;
  printerlink::AppendDataCharacters(characters, reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
  Record(EntryKind::Data, characters);
  line.Write(characters);
  std::uint32_t sum = platform::Crc32Chain(0, data);
  auto trailerFault = TakeFault("UPLOADS", FaultPoint::BlockReply);
  if (trailerFault && trailerFault->action == FaultAction::WrongChecksum) {
    sum ^= 1;
    Record(EntryKind::Fault, "wrong checksum");
  }
  SendReply(line, Hex8(sum), trailerFault, true);
}

}  // namespace printeremu
