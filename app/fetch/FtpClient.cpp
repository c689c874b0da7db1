#include "app/fetch/FtpClient.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace app {

namespace {

void GlobalInit() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

curl_socket_t OpenSocketHook(void* client, curlsocktype, curl_sockaddr* address) {
  const int fd = static_cast<FtpClient*>(client)->OpenSocket(address->family, address->socktype, address->protocol);
  return fd < 0 ? CURL_SOCKET_BAD : fd;
}

int CloseSocketHook(void* client, curl_socket_t fd) {
  static_cast<FtpClient*>(client)->CloseSocket(fd);
  return 0;
}

int ProgressHook(void* client, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  // A non-zero answer ends the transfer.
  return static_cast<FtpClient*>(client)->Stopped() ? 1 : 0;
}

// Where a download goes: an open file and the bytes written so far.
struct FileSink {
  int fd = -1;
  std::int64_t bytes = 0;
  bool failed = false;
};

size_t WriteHook(char* data, size_t size, size_t count, void* userdata) {
  auto* sink = static_cast<FileSink*>(userdata);
  const size_t total = size * count;
  size_t done = 0;
  while (done < total) {
    const ssize_t n = ::write(sink->fd, data + done, total - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      sink->failed = true;
      return 0;  // curl ends the transfer with a write error
    }
    done += static_cast<size_t>(n);
  }
  sink->bytes += static_cast<std::int64_t>(total);
  return total;
}

// Headers curl makes up for a size request ("Content-Length: 30"), and
// bodies nobody asked for, go nowhere.
size_t DiscardHook(char*, size_t size, size_t count, void*) { return size * count; }

// Each part of a server path percent-encoded, the leading "/" too, so that
// curl sends the path as it stands ("/Tarvik23/INFO.UPD") instead of one
// relative to the login folder.
std::string EncodedPath(CURL* curl, const std::string& remotePath) {
  std::string out;
  std::size_t start = 0;
  if (!remotePath.empty() && remotePath[0] == '/') {
    out = "%2F";
    start = 1;
  }
  while (start < remotePath.size()) {
    std::size_t end = remotePath.find('/', start);
    if (end == std::string::npos) end = remotePath.size();
    const std::string part = remotePath.substr(start, end - start);
    char* escaped = curl_easy_escape(curl, part.data(), static_cast<int>(part.size()));
    if (escaped) {
      out += escaped;
      curl_free(escaped);
    }
    if (end < remotePath.size()) out += '/';
    start = end + 1;
  }
  return out;
}

}  // namespace

// One easy handle driven by a multi handle of its own, which keeps the
// control connection between the calls. The multi interface lets a call
// wait in short polls and be woken by Stop; curl_easy_perform, which polls
// a second at a time, now and then let a loopback data connection sit idle
// for that second.
struct FtpClient::Handle {
  CURLM* multi = nullptr;
  CURL* curl = nullptr;
  char error[CURL_ERROR_SIZE] = {};
  Handle() : multi(curl_multi_init()), curl(curl_easy_init()) {}
  ~Handle() {
    if (curl) curl_easy_cleanup(curl);
    if (multi) curl_multi_cleanup(multi);  // closes the kept connection
  }
};

FtpClient::FtpClient(FtpAccount account, FtpLimits limits) : account_(std::move(account)), limits_(limits) {
  GlobalInit();
  handle_ = std::make_unique<Handle>();
}

FtpClient::~FtpClient() {
  {
    std::lock_guard lock(socketsMutex_);
    ShutDownSockets();
  }
  handle_.reset();
}

int FtpClient::OpenSocket(int family, int type, int protocol) {
  std::lock_guard lock(socketsMutex_);
  if (stopped_) return -1;
  // Not inherited by programs started later (the installer).
  const int fd = ::socket(family, type | SOCK_CLOEXEC, protocol);
  if (fd >= 0) sockets_.insert(fd);
  return fd;
}

void FtpClient::CloseSocket(int fd) {
  // Under the lock, so that Stop never shuts down a number that has been
  // closed and handed out again.
  std::lock_guard lock(socketsMutex_);
  sockets_.erase(fd);
  ::close(fd);
}

void FtpClient::ShutDownSockets() {
  for (int fd : sockets_) ::shutdown(fd, SHUT_RDWR);
}

void FtpClient::Stop() {
  std::lock_guard lock(socketsMutex_);
  stopped_ = true;
  ShutDownSockets();
  if (handle_ && handle_->multi) curl_multi_wakeup(handle_->multi);
}

bool FtpClient::Stopped() const {
  std::lock_guard lock(socketsMutex_);
  return stopped_;
}

void FtpClient::Abort() {
  {
    std::lock_guard lock(socketsMutex_);
    ShutDownSockets();
  }
  Reset();
}

void FtpClient::Reset() {
  // Stop reads the handle from another thread under the lock, so the new
  // one takes its place under the lock; the old one is closed after it,
  // since closing its sockets takes the lock too (CloseSocket).
  auto fresh = std::make_unique<Handle>();
  std::unique_ptr<Handle> old;
  {
    std::lock_guard lock(socketsMutex_);
    old = std::exchange(handle_, std::move(fresh));
  }
  old.reset();
  connected_ = false;
}

long FtpClient::DataConnectMs() const {
  // The connect limit bounds the opening of the session; a data connection
  // may take as long as a reply.
  return limits_.replySeconds * 1000;
}

std::string FtpClient::Url(const std::string& remotePath) const {
  std::string host = account_.host;
  if (host.find(':') != std::string::npos) host = "[" + host + "]";
  return "ftp://" + host + ":" + std::to_string(account_.port) + "/" + EncodedPath(handle_->curl, remotePath);
}

platform::Status FtpClient::Perform(const std::string& remotePath, bool noBody, void* sink, bool quit,
                                    long connectMs) {
  if (Stopped()) return platform::Status::Fail("stopped");
  if (!handle_->curl || !handle_->multi) return platform::Status::Fail("no FTP session");
  CURL* c = handle_->curl;
  // Options go back to their defaults; the open connection stays.
  curl_easy_reset(c);
  handle_->error[0] = '\0';
  const std::string url = Url(remotePath);
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(c, CURLOPT_USERNAME, account_.user.c_str());
  curl_easy_setopt(c, CURLOPT_PASSWORD, account_.password.c_str());
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, handle_->error);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
  curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, limits_.replySeconds);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, limits_.stallSeconds);
  // Passive mode with the classic PASV; paths sent whole, no CWD.
  curl_easy_setopt(c, CURLOPT_FTP_USE_EPSV, 0L);
  curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
  curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);
  curl_easy_setopt(c, CURLOPT_OPENSOCKETFUNCTION, OpenSocketHook);
  curl_easy_setopt(c, CURLOPT_OPENSOCKETDATA, this);
  curl_easy_setopt(c, CURLOPT_CLOSESOCKETFUNCTION, CloseSocketHook);
  curl_easy_setopt(c, CURLOPT_CLOSESOCKETDATA, this);
  curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, ProgressHook);
  curl_easy_setopt(c, CURLOPT_XFERINFODATA, this);
  curl_easy_setopt(c, CURLOPT_NOBODY, noBody ? 1L : 0L);
  curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, DiscardHook);
  if (sink) {
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, WriteHook);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, sink);
    // A download reads until the server closes the data connection; the
    // caller compares what arrived with the size it asked for, so curl
    // neither asks again nor cuts the file to a size it was told.
    curl_easy_setopt(c, CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
  } else {
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, DiscardHook);
  }
  curl_slist* quote = nullptr;
  if (quit) {
    // Sent as a command of its own; the connection is then closed, not
    // kept for another call.
    quote = curl_slist_append(nullptr, "QUIT");
    curl_easy_setopt(c, CURLOPT_POSTQUOTE, quote);
    curl_easy_setopt(c, CURLOPT_FORBID_REUSE, 1L);
  }
  const auto code = static_cast<CURLcode>(Run());
  curl_easy_setopt(c, CURLOPT_POSTQUOTE, nullptr);
  curl_slist_free_all(quote);
  if (code == CURLE_OK) return platform::Status::Ok();
  if (Stopped()) return platform::Status::Fail("stopped");
  std::string text = curl_easy_strerror(code);
  if (handle_->error[0]) text += std::string(": ") + handle_->error;
  return platform::Status::Fail(std::to_string(static_cast<int>(code)) + " " + text);
}

int FtpClient::Run() {
  CURLM* multi = handle_->multi;
  CURL* c = handle_->curl;
  if (curl_multi_add_handle(multi, c) != CURLM_OK) return CURLE_FAILED_INIT;
  CURLcode code = CURLE_OK;
  bool done = false;
  while (!done) {
    int running = 0;
    if (curl_multi_perform(multi, &running) != CURLM_OK) {
      code = CURLE_FAILED_INIT;
      break;
    }
    int left = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
      if (msg->msg == CURLMSG_DONE) {
        code = msg->data.result;
        done = true;
      }
    }
    if (done || running == 0) break;
    if (Stopped()) {
      code = CURLE_ABORTED_BY_CALLBACK;
      break;
    }
    curl_multi_poll(multi, nullptr, 0, 50, nullptr);
  }
  // Whether the control connection is still there; asked before the handle
  // leaves the multi handle, which holds the connection.
  curl_socket_t active = CURL_SOCKET_BAD;
  if (curl_easy_getinfo(c, CURLINFO_ACTIVESOCKET, &active) != CURLE_OK) active = CURL_SOCKET_BAD;
  connected_ = active != CURL_SOCKET_BAD;
  curl_multi_remove_handle(multi, c);
  return code;
}

platform::Status FtpClient::Connect() {
  if (connected_) return platform::Status::Fail("a connection is open already");
  platform::Status s = Perform("", true, nullptr, false, limits_.connectMs);
  if (s.ok() && !connected_) return platform::Status::Fail("the server closed the connection");
  return s;
}

platform::Result<std::int64_t> FtpClient::Size(const std::string& remotePath) {
  platform::Status s = Perform(remotePath, true, nullptr, false, DataConnectMs());
  if (!s.ok()) {
    // The server answered, but not with a size: no such file (or no size
    // for it).
    if (!Stopped() && s.error().rfind(std::to_string(static_cast<int>(CURLE_REMOTE_FILE_NOT_FOUND)) + " ", 0) == 0)
      return std::int64_t{-1};
    return s;
  }
  curl_off_t length = -1;
  if (curl_easy_getinfo(handle_->curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) length = -1;
  return static_cast<std::int64_t>(length < 0 ? -1 : length);
}

platform::Result<std::int64_t> FtpClient::Get(const std::string& remotePath, const std::string& localPath) {
  if (Stopped()) return platform::Status::Fail("stopped");
  FileSink sink;
  sink.fd = ::open(localPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (sink.fd < 0) return platform::Status::Fail("cannot write " + localPath);
  platform::Status s = Perform(remotePath, false, &sink, false, DataConnectMs());
  const bool closed = ::close(sink.fd) == 0;
  if (!s.ok()) return s;
  if (sink.failed || !closed) return platform::Status::Fail("cannot write " + localPath);
  return sink.bytes;
}

platform::Status FtpClient::Quit() {
  if (!connected_) return platform::Status::Ok();
  platform::Status s = Perform("", true, nullptr, true, DataConnectMs());
  connected_ = false;
  return s;
}

}  // namespace app
