#pragma once
// The printer's settings as the emulator keeps them: one table row per
// query word with its reply. A query returns the row's text; a write
// ("WORD values") replaces the row's leading fields. "KONFIG.SAVE" keeps the
// table, "RESET" goes back to what was kept.
#include <map>
#include <optional>
#include <string>

namespace printeremu {

class SettingsStore {
 public:
  // Every query of the printer thread's poll schedule has a row.
  explicit SettingsStore(int cliWord);

  // The reply to `line` when it is the query word of a row.
  std::optional<std::string> Query(const std::string& line) const;

  enum class WriteOutcome { NoSuchSetting, Written, Refused };
  // "WORD values": the longest row key that `line` begins with, followed by
  // a blank. Refused for read-only rows and for more values than the row has.
  WriteOutcome Write(const std::string& line);

  std::optional<std::string> Get(const std::string& key) const;
  // Sets a row's reply; a new row can be written by the PC.
  void Set(const std::string& key, const std::string& value);
  // Replaces field `index` (0-based) of a row.
  void SetField(const std::string& key, std::size_t index, const std::string& value);

  void Save() { saved_ = rows_; }
  void Restore() { rows_ = saved_; }

 private:
  struct Row {
    std::string value;
    bool writable = true;
  };
  std::map<std::string, Row> rows_;
  std::map<std::string, Row> saved_;
};

}  // namespace printeremu
