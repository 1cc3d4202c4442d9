// A small HTTP server on the loopback interface for the tests: it answers
// every GET with one fixed body and keeps the requests it was sent.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/win32_owners_win.h"

namespace zelo::test {

class LoopbackHttpServer {
 public:
  LoopbackHttpServer();
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  bool running() const { return port_ != 0; }
  // "http://127.0.0.1:<port>/" followed by path.
  std::string Url(const std::string& path) const;
  void SetBody(const std::string& body);
  // The request texts received so far (request line and headers).
  std::vector<std::string> Requests();

 private:
  void Serve();

  std::unique_ptr<WinsockUse> winsock_;
  SocketHandle listener_;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::string body_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace zelo::test
