#include <winsock2.h>
#include <ws2tcpip.h>

#include "tests/wine/loopback_http_win.h"

namespace zelo::test {

namespace {
// How often the server looks at its stop flag while no one connects.
constexpr long kPollMicroseconds = 50000;
}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
  WSADATA data;
  winsock_ = std::make_unique<WinsockUse>(WSAStartup(MAKEWORD(2, 2), &data));
  if (!winsock_->ok()) return;
  listener_.reset(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (!listener_) return;
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;  // any free port
  int size = sizeof address;
  if (bind(listener_.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener_.get(), 4) != 0 ||
      getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&address), &size) != 0)
    return;
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  listener_.reset();
}

std::string LoopbackHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/" + path;
}

void LoopbackHttpServer::SetBody(const std::string& body) {
  std::lock_guard<std::mutex> lock(mutex_);
  body_ = body;
}

std::vector<std::string> LoopbackHttpServer::Requests() {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

void LoopbackHttpServer::Serve() {
  while (!stop_) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(listener_.get(), &readable);
    timeval wait = {0, kPollMicroseconds};
    if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
    const SocketHandle client(accept(listener_.get(), nullptr, nullptr));
    if (!client) continue;
    std::string request;
    char piece[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const int got = recv(client.get(), piece, sizeof piece, 0);
      if (got <= 0) break;
      request.append(piece, static_cast<std::size_t>(got));
    }
    std::string body;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(request);
      body = body_;
    }
    const std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                              std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    send(client.get(), reply.data(), static_cast<int>(reply.size()), 0);
    shutdown(client.get(), SD_SEND);
  }
}

}  // namespace zelo::test
