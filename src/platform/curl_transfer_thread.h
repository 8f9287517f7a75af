#pragma once
// One of the loader's network threads: runs one curl multi handle and the file
// reads of the CurlUrlLoader transfers given to it, and reports what each
// transfer produced. It knows nothing of delegates; every decision (redirects,
// challenges, trust) is taken on the run-loop thread from the reports, and the
// next hop is a new transfer, perhaps on another of these threads.
// Private to the loader.
#include <curl/curl.h>

#include <cstdint>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/curl_transfer_setup.h"
#include "platform/plain_http.h"
#include "platform/url_loader.h"

namespace zel::curlsupport {

// What one transfer (one hop of a fetch) sends; fixed when it is handed over.
struct TransferOrder {
  std::shared_ptr<const UrlRequest> request;  // never null once handed over
  bool verifyPeer = true;
  std::optional<std::pair<std::string, std::string>> credentials;  // user, password
  long authScheme = CURLAUTH_BASIC;
};

// How the body of a transfer was used, decided by its head.
enum class TransferPhase {
  Head,       // no final head yet
  Deliver,    // a plain response: head and body are reported
  Redirect,   // a 3xx with a usable Location: the body is drained
  Challenge,  // a 401 with WWW-Authenticate: the body is held until the end
};

// How a transfer ended: what the run-loop side needs to take the next step.
struct TransferEnd {
  TransferPhase phase = TransferPhase::Head;
  CURLcode rc = CURLE_OK;
  std::string errorText;          // curl's detail for rc; "" when none
  std::optional<UrlError> error;  // a failure outside curl (a file, the set-up)
  ResponseHead head;              // the last head read
  std::string redirectTarget;     // Redirect: the resolved Location
  std::string held;               // Challenge: the body held back
  bool heldOverflow = false;      // Challenge: the body passed what is held
  bool bodyCut = false;           // Deliver: the body passed maxBodyBytes
};

// What one transfer produced since its last report, to be handled in this order.
struct TransferReport {
  uint64_t id = 0;
  std::optional<UrlResponse> head;  // the final head of a delivered response
  std::string data;                 // decoded body bytes
  std::optional<TransferEnd> end;   // set in the transfer's last report
};

class TransferThread {
 public:
  using Reports = std::vector<TransferReport>;
  // `hand` is called on the network thread with the reports of one loop
  // iteration (never empty); it passes them on and returns. `cookies` and
  // `idle` (the plain connections kept open, shared by the threads) must
  // outlive this object.
  // Its ids are `first`, `first + stride`, ...: threads that share one loader
  // give them out without overlap.
  TransferThread(CookieStore& cookies, PlainHttpIdleConnections& idle,
                 std::function<void(Reports)> hand, uint64_t first = 1, uint64_t stride = 1);
  // Stops and joins the thread; transfers still running end without a report.
  ~TransferThread();
  TransferThread(const TransferThread&) = delete;
  TransferThread& operator=(const TransferThread&) = delete;

  // Hands a transfer over and returns its id (never 0). Its reports follow
  // through `hand`, the last one with `end` set. Any thread.
  uint64_t start(TransferOrder order);
  // Stops a transfer; it reports nothing more it has not already handed over.
  // Unknown and ended ids are ignored. Any thread.
  void cancel(uint64_t id);

 private:
  struct Transfer;
  struct Command {
    uint64_t id;
    std::optional<TransferOrder> order;  // set: start; absent: cancel
  };

  // ---- network thread only ----
  void run();
  // Applies the queued commands; false once the thread is asked to stop.
  bool takeCommands();
  // Waits for curl's sockets, its timers or a command; not at all while files are read.
  void wait();
  // Makes wait() return (any thread).
  void wake();
  void begin(uint64_t id, TransferOrder order);
  void beginHttp(Transfer& t);
  // A plain transfer when the request allows one; false leaves it to curl.
  bool beginPlain(Transfer& t);
  void beginCurl(Transfer& t);
  void servicePlain();
  void rememberAddress(Transfer& t);
  void rememberHttpVersion(Transfer& t);
  void beginFile(Transfer& t);
  void collectFinished();
  void readFiles();
  // Ends a transfer: its last report, then it is forgotten.
  void end(Transfer& t, TransferEnd how);
  // Drops a transfer without a further report.
  void drop(uint64_t id);
  CURL* takeEasy(bool withCookies);
  void releaseEasy(Transfer& t);
  TransferReport& reportFor(Transfer& t);
  void handOver();

  static size_t onHeader(char* data, size_t size, size_t count, void* userp);
  static size_t onBody(char* data, size_t size, size_t count, void* userp);
  static int onProgress(void* userp, curl_off_t, curl_off_t received, curl_off_t, curl_off_t);

  CookieStore& cookies_;
  PlainHttpIdleConnections& keptConnections_;
  std::function<void(Reports)> hand_;
  CURLM* multi_ = nullptr;
  std::vector<CURL*> pools_[2];  // reset easy handles: [0] without, [1] with the cookie store
  std::unordered_map<uint64_t, std::unique_ptr<Transfer>> transfers_;
  std::vector<uint64_t> files_;  // file transfers still reading, in start order
  Reports outgoing_;             // this iteration's reports
  bool plainAllowed_ = false;
  std::vector<uint64_t> plain_;  // plain transfers, in start order
  std::vector<curl_waitfd> waitFds_;  // their sockets in the last poll
  std::vector<uint64_t> waitIds_;
  struct CachedAddress {
    sockaddr_storage address{};
    std::chrono::steady_clock::time_point expires;
  };
  std::unordered_map<std::string, CachedAddress> addresses_;  // "host:port" -> what curl found
  std::unordered_set<std::string> declinedHosts_;  // "host:port" whose answers went to curl
  // TLS servers ("host:port") that answered over HTTP/1: their transfers do not
  // wait for a connection that might be shared.
  std::unordered_set<std::string> http1Servers_;

  // ---- shared with the threads that start and cancel ----
  std::mutex mutex_;
  std::vector<Command> commands_;
  uint64_t nextId_ = 1;
  uint64_t idStride_ = 1;
  bool stopping_ = false;
  std::condition_variable idle_;  // wait() without a multi handle (it could not be made)

  std::thread thread_;  // last: starts once everything above is set up
};

}  // namespace zel::curlsupport
